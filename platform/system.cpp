// The tick count, the executable's directory, the display check and the
// messages held while Qt connects to the display.
#include "platform/system.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace kolvar {
namespace {

// A message of Qt's, kept with the place it came from.
struct HeldMessage {
    QtMsgType type;
    QByteArray category, file, function;
    int line;
    QString text;
};

std::mutex heldLock;
std::vector<HeldMessage> held;
QtMessageHandler passOn = nullptr;

const char* orNull(const QByteArray& s)
{
    return s.isNull() ? nullptr : s.constData();
}

// Qt's own words, in its X11 and Wayland plugins, for a display that does
// not answer.
bool displayRefused(const HeldMessage& m)
{
    return m.text.startsWith(QLatin1String("could not connect to display")) ||
           m.text.startsWith(QLatin1String("Failed to create wl_display"));
}

// The variables that name the display, as the player set them.
QByteArray displayNames()
{
    QByteArrayList names;
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY"})
        if (!qgetenv(name).isEmpty())
            names << name + QByteArray("=") + qgetenv(name);
    return names.join(" or ");
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    std::unique_lock lock(heldLock);
    if (type != QtFatalMsg) {
        held.push_back(
            {type, context.category, context.file, context.function, context.line, text});
        return;
    }
    // Qt gives up on the window system with a fatal message and aborts.
    if (std::any_of(held.begin(), held.end(), displayRefused)) {
        std::fprintf(stderr, "kolvar: no display to show the game on (cannot connect to %s)\n",
                     displayNames().constData());
        std::_Exit(1);
    }
    lock.unlock();
    ReleaseStartupMessages();
    passOn(type, context, text);
}

// After start-up Qt's messages pass on as Qt writes them, except that one just
// like the message before it is not said again: when the Wayland compositor
// goes away, both of Qt's threads that read from it may say so at once,
// before the program ends.
void sayOnce(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    static std::mutex lock;
    static QtMsgType lastType = QtDebugMsg;
    static QString last;
    const std::lock_guard guard(lock);
    if (type != QtFatalMsg && type == lastType && text == last)
        return;
    lastType = type;
    last = text;
    passOn(type, context, text);
}

} // namespace

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

void HoldStartupMessages()
{
    // A developer's QT_FATAL_WARNINGS aborts on the first warning, which
    // must then be printed, not held.
    if (!qEnvironmentVariableIsSet("QT_FATAL_WARNINGS"))
        passOn = qInstallMessageHandler(holdMessage);
}

void ReleaseStartupMessages()
{
    if (!passOn)
        return;
    qInstallMessageHandler(sayOnce);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(heldLock);
        messages.swap(held);
    }
    for (const HeldMessage& m : messages)
        passOn(m.type,
               QMessageLogContext(orNull(m.file), m.line, orNull(m.function), orNull(m.category)),
               m.text);
}

} // namespace kolvar
