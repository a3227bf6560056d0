// The monkey's own connection to the X display, for what it asks many times
// a second and cannot wait on another program for: the windows the window
// manager manages and whose they are, where a window's client area is, which
// window has the focus, a few pixels of the screen, and the window manager's
// ping. Plain Xlib, kept apart from Qt (their headers do not mix).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

namespace kolvar::monkey {

struct Box {
    int x = 0, y = 0, width = 0, height = 0;

    bool operator==(const Box&) const = default;
    bool contains(int px, int py) const
    {
        return x <= px && px < x + width && y <= py && py < y + height;
    }
};

struct ManagedWindow {
    unsigned long id = 0;
    long pid = 0;
    std::string title;
};

class XClient {
public:
    explicit XClient(const std::string& display);
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    bool ok() const { return x_ != nullptr; }
    // The connection's file descriptor, to wait on with poll().
    int fd() const;

    // The windows the window manager manages (_NET_CLIENT_LIST), with the
    // process each names as its own and its title.
    std::vector<ManagedWindow> managed() const;
    // The client area on the screen; nothing when the window is gone or
    // not shown.
    std::optional<Box> clientArea(unsigned long window) const;
    // The window that has the keyboard focus (0 for none).
    unsigned long focus() const;
    // The screen's pixels in `area` as 0xRRGGBB, row by row; empty when the
    // area is not wholly on the screen.
    std::vector<uint32_t> pixels(const Box& area) const;
    Box screen() const;

    // _NET_WM_PING as a window manager sends it: the client is to send the
    // message back to the root window, as it does from its event loop.
    void ping(unsigned long window, uint32_t stamp);
    // The stamps of the pongs that came back for `window` since the last
    // call (those for other windows are dropped).
    std::vector<uint32_t> pongs(unsigned long window);

private:
    unsigned long atom(const char* name) const;

    _XDisplay* x_ = nullptr;
    unsigned long root_ = 0;
};

} // namespace kolvar::monkey
