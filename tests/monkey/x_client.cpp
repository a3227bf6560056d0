// Xlib calls for the monkey. Windows come and go while it asks about them
// (a message box closes, the game exits): the errors that follow are
// expected, so they are recorded by the failing call's return, not fatal.
#include "x_client.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace kolvar::monkey {
namespace {

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

// A property of 32-bit items as longs (Xlib's format 32); empty if missing.
std::vector<unsigned long> cardinals(Display* x, Window w, Atom property, Atom type)
{
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> out;
    if (XGetWindowProperty(x, w, property, 0, 4096, False, type, &actual, &format, &count, &after,
                           &data) == Success &&
        data && format == 32) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        out.assign(items, items + count);
    }
    if (data)
        XFree(data);
    return out;
}

std::string title(Display* x, Window w, Atom netName, Atom utf8)
{
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string out;
    if (XGetWindowProperty(x, w, netName, 0, 1024, False, utf8, &actual, &format, &count, &after,
                           &data) == Success &&
        data && format == 8)
        out.assign(reinterpret_cast<const char*>(data), count);
    if (data)
        XFree(data);
    if (out.empty()) {
        char* name = nullptr;
        if (XFetchName(x, w, &name) && name) {
            out = name;
            XFree(name);
        }
    }
    return out;
}

} // namespace

XClient::XClient(const std::string& display)
{
    XSetErrorHandler(ignoreErrors);
    x_ = XOpenDisplay(display.c_str());
    if (!x_)
        return;
    root_ = DefaultRootWindow(x_);
    // The pong comes to the root window with StructureNotifyMask.
    XSelectInput(x_, root_, StructureNotifyMask);
    XFlush(x_);
}

XClient::~XClient()
{
    if (x_)
        XCloseDisplay(x_);
}

int XClient::fd() const
{
    return ConnectionNumber(x_);
}

unsigned long XClient::atom(const char* name) const
{
    return XInternAtom(x_, name, False);
}

std::vector<ManagedWindow> XClient::managed() const
{
    std::vector<ManagedWindow> out;
    const Atom pid = atom("_NET_WM_PID"), name = atom("_NET_WM_NAME"), utf8 = atom("UTF8_STRING");
    for (unsigned long id : cardinals(x_, root_, atom("_NET_CLIENT_LIST"), XA_WINDOW)) {
        ManagedWindow w;
        w.id = id;
        const std::vector<unsigned long> p = cardinals(x_, id, pid, XA_CARDINAL);
        w.pid = p.empty() ? 0 : static_cast<long>(p[0]);
        w.title = title(x_, id, name, utf8);
        out.push_back(w);
    }
    return out;
}

std::optional<Box> XClient::clientArea(unsigned long window) const
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(x_, window, &a) || a.map_state != IsViewable)
        return std::nullopt;
    int x = 0, y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(x_, window, root_, 0, 0, &x, &y, &child))
        return std::nullopt;
    return Box{x, y, a.width, a.height};
}

unsigned long XClient::focus() const
{
    Window w = 0;
    int revert = 0;
    XGetInputFocus(x_, &w, &revert);
    return w;
}

Box XClient::screen() const
{
    const int s = DefaultScreen(x_);
    return {0, 0, DisplayWidth(x_, s), DisplayHeight(x_, s)};
}

std::vector<uint32_t> XClient::pixels(const Box& area) const
{
    const Box s = screen();
    if (area.width <= 0 || area.height <= 0 || area.x < 0 || area.y < 0 ||
        area.x + area.width > s.width || area.y + area.height > s.height)
        return {};
    XImage* image = XGetImage(x_, root_, area.x, area.y, static_cast<unsigned>(area.width),
                              static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::vector<uint32_t> out;
    out.reserve(static_cast<size_t>(area.width * area.height));
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x)
            out.push_back(static_cast<uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
    XDestroyImage(image);
    return out;
}

void XClient::ping(unsigned long window, uint32_t stamp)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = atom("WM_PROTOCOLS");
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(atom("_NET_WM_PING"));
    e.xclient.data.l[1] = static_cast<long>(stamp);
    e.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(x_, window, False, NoEventMask, &e);
    XFlush(x_);
}

std::vector<uint32_t> XClient::pongs(unsigned long window)
{
    const Atom protocols = atom("WM_PROTOCOLS"), ping = atom("_NET_WM_PING");
    std::vector<uint32_t> out;
    while (XPending(x_) > 0) {
        XEvent e;
        XNextEvent(x_, &e);
        // The window manager's own pongs come here too: only this window's.
        if (e.type == ClientMessage && e.xclient.message_type == protocols &&
            static_cast<Atom>(e.xclient.data.l[0]) == ping && e.xclient.window == root_ &&
            static_cast<unsigned long>(e.xclient.data.l[2]) == window)
            out.push_back(static_cast<uint32_t>(e.xclient.data.l[1]));
    }
    return out;
}

} // namespace kolvar::monkey
