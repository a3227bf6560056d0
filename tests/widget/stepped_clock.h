// A clock for Qt's animations that moves only when the test moves it, so
// that a frame of motion is taken at a moment the test chooses.
#pragma once

#include <QAbstractAnimation>
#include <QCoreApplication>

namespace kolvar::testing {

class SteppedClock : public QAnimationDriver {
public:
    SteppedClock() { install(); }
    ~SteppedClock() override { uninstall(); }
    // Qt's animations count from the moment the clock starts for them.
    qint64 elapsed() const override { return now_ - started_; }
    void start() override
    {
        started_ = now_;
        QAnimationDriver::start();
    }

    // Lets `ms` pass, and the window take the frame of that moment.
    void step(int ms)
    {
        // An animation started reaches the clock two queued calls later.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        now_ += ms;
        if (isRunning()) // advanced while stopped, Qt's clock loses its count
            advance();
        QCoreApplication::processEvents();
    }

private:
    qint64 now_ = 0;
    qint64 started_ = 0;
};

} // namespace kolvar::testing
