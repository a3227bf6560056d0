// Lets a window come up and do what it does once its first frame is shown.
#pragma once

#include <QCoreApplication>

namespace kolvar::bench {

inline void Settle()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace kolvar::bench
