// A desktop panel for the end-to-end tests: a dock window along the bottom
// of the screen, the full width and `--height` pixels high (48 unless told),
// that reserves its strip with _NET_WM_STRUT_PARTIAL and _NET_WM_STRUT, so a
// window manager keeps maximized windows above it as it does above a real
// desktop's panel. It is painted slate blue, a colour far from the table's,
// so a screenshot shows at once whether the game covers it. It stays until
// it is ended or its display goes away.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr unsigned long kPanelRgb = 0x3A4A7A; // slate blue

Atom atom(Display* x, const char* name)
{
    return XInternAtom(x, name, False);
}

void setCardinals(Display* x, Window w, const char* property, const long* values, int count)
{
    XChangeProperty(x, w, atom(x, property), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(values), count);
}

// The dock type and the reserved strip, in the window manager's terms: the
// bottom edge keeps `height` pixels across the whole width.
void declareDock(Display* x, Window w, int width, int height)
{
    const Atom dock = atom(x, "_NET_WM_WINDOW_TYPE_DOCK");
    XChangeProperty(x, w, atom(x, "_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&dock), 1);
    const long strut[4] = {0, 0, 0, height};
    setCardinals(x, w, "_NET_WM_STRUT", strut, 4);
    const long partial[12] = {0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, width - 1};
    setCardinals(x, w, "_NET_WM_STRUT_PARTIAL", partial, 12);
    const long allDesktops = 0xFFFFFFFF;
    setCardinals(x, w, "_NET_WM_DESKTOP", &allDesktops, 1);
    XStoreName(x, w, "kolvar test panel");
    // Its place is its own, not the window manager's choice.
    XSizeHints hints{};
    hints.flags = USPosition | USSize | PMinSize | PMaxSize;
    hints.min_width = hints.max_width = width;
    hints.min_height = hints.max_height = height;
    XSetWMNormalHints(x, w, &hints);
}

unsigned long panelPixel(Display* x, int screen)
{
    XColor colour{};
    colour.red = ((kPanelRgb >> 16) & 0xFF) * 257;
    colour.green = ((kPanelRgb >> 8) & 0xFF) * 257;
    colour.blue = (kPanelRgb & 0xFF) * 257;
    if (!XAllocColor(x, DefaultColormap(x, screen), &colour))
        return BlackPixel(x, screen);
    return colour.pixel;
}

} // namespace

int main(int argc, char** argv)
{
    int height = 48;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--height") == 0)
            height = std::atoi(argv[i + 1]);
    Display* x = XOpenDisplay(nullptr);
    if (!x || height <= 0) {
        std::fprintf(stderr, "kolvar_test_panel: no display, or no height\n");
        return 1;
    }
    const int screen = DefaultScreen(x);
    const int width = DisplayWidth(x, screen);
    const int top = DisplayHeight(x, screen) - height;

    XSetWindowAttributes attributes{};
    attributes.background_pixel = panelPixel(x, screen);
    const Window w =
        XCreateWindow(x, RootWindow(x, screen), 0, top, width, height, 0, CopyFromParent,
                      InputOutput, CopyFromParent, CWBackPixel, &attributes);
    declareDock(x, w, width, height);
    XMapWindow(x, w);
    XFlush(x);
    // The background paints itself; the loop only keeps the window alive.
    // A lost display ends the program through Xlib's I/O error handler.
    for (;;) {
        XEvent event;
        XNextEvent(x, &event);
    }
}
