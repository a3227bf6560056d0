// Keeping the D-Bus library from launching a session bus, and the
// accessibility bus found without one.
#include "platform/session_bus.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace kolvar {
namespace {

constexpr char kSessionBus[] = "DBUS_SESSION_BUS_ADDRESS";
// An address of no transport the library knows: connecting fails at once,
// without a launch.
constexpr char kNoBus[] = "disabled:";

bool sessionBusDisabled()
{
    return qgetenv(kSessionBus) == kNoBus;
}

// The AT_SPI_BUS property of the display's first root window: the address
// of the accessibility bus, set there by its launcher.
QByteArray rootWindowBus(xcb_connection_t* c)
{
    constexpr char name[] = "AT_SPI_BUS";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, true, sizeof name - 1, name), nullptr), free);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!atom || atom->atom == XCB_ATOM_NONE || !screen)
        return {};
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> property(
        xcb_get_property_reply(
            c, xcb_get_property(c, false, screen->root, atom->atom, XCB_ATOM_STRING, 0, 1024),
            nullptr),
        free);
    if (!property || property->format != 8)
        return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(property.get())),
                      xcb_get_property_value_length(property.get()));
}

// Where a user session keeps its bus, the library finds it unnamed.
bool userBusAtRuntimeFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QFile::decodeName(runtime + "/bus"));
}

} // namespace

void UseNoSessionBusUnlessNamed()
{
    if (qgetenv(kSessionBus).isEmpty() && !userBusAtRuntimeFolder())
        qputenv(kSessionBus, kNoBus);
}

bool SessionBusNamed()
{
    const QByteArray named = qgetenv(kSessionBus);
    return named.isEmpty() ? userBusAtRuntimeFolder() : named != kNoBus;
}

void FindAccessibilityBusOnDisplay()
{
    if (!sessionBusDisabled() || qEnvironmentVariableIsSet("AT_SPI_BUS_ADDRESS"))
        return;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    const QByteArray address = rootWindowBus(x11->connection());
    if (!address.isEmpty())
        qputenv("AT_SPI_BUS_ADDRESS", address);
}

} // namespace kolvar
