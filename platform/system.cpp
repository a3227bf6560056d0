// The tick count, the executable's directory and the display check.
#include "platform/system.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdlib>

namespace kolvar {

int32_t GetTickCount()
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

QString ExecutableDirectory()
{
    return QCoreApplication::applicationDirPath();
}

bool HasDisplay()
{
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true; // offscreen, vnc, ...: no display needed
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace kolvar
