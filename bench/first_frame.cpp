// Launches a program and reports when its first frame is on the screen.
//
//   kolvar_first_frame [--x X --y Y] [--timeout SECONDS] [--log FILE] -- PROGRAM [ARGS...]
//
// The clock starts just before the fork. The watcher then asks the X server,
// about every millisecond, for the one pixel at (X, Y) of the root window
// (default: the middle of the screen) until it shows the table colour
// (ui/table_colour.h), which the game's window shows only once it is mapped
// and painted. Meanwhile it notes the first top-level window mapped. It
// prints one line, "PID MAPPED_MS PAINTED_MS", and exits, leaving the
// program running for the caller to measure and end; on a time-out it ends
// the program and fails. The program's output goes to FILE (default: none).
#include "ui/table_colour.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int usage()
{
    std::fprintf(stderr, "usage: kolvar_first_frame [--x X --y Y] [--timeout SECONDS] "
                         "[--log FILE] -- PROGRAM [ARGS...]\n");
    return 2;
}

bool tableColourAt(Display* display, Window root, int x, int y)
{
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel == kolvar::kTableRgb;
}

} // namespace

int main(int argc, char** argv)
{
    int x = -1, y = -1;
    double timeout = 30;
    const char* log = "/dev/null";
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc)
            return usage();
        if (std::strcmp(argv[i], "--x") == 0)
            x = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--y") == 0)
            y = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--timeout") == 0)
            timeout = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--log") == 0)
            log = argv[++i];
        else
            return usage();
    }
    if (i + 1 >= argc)
        return usage();
    char** program = argv + i + 1;

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "kolvar_first_frame: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    if (x < 0)
        x = DisplayWidth(display, DefaultScreen(display)) / 2;
    if (y < 0)
        y = DisplayHeight(display, DefaultScreen(display)) / 2;
    if (tableColourAt(display, root, x, y)) {
        std::fprintf(stderr, "kolvar_first_frame: the screen shows the table colour already\n");
        return 1;
    }
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("kolvar_first_frame: fork");
        return 1;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        const int out = open(log, O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
            close(out);
        }
        execvp(program[0], program);
        std::perror("kolvar_first_frame: exec");
        _exit(127);
    }

    double mapped = -1;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && mapped < 0)
                mapped = msSince(start);
        }
        if (tableColourAt(display, root, x, y))
            break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "kolvar_first_frame: %s exited before its first frame\n",
                         program[0]);
            return 1;
        }
        if (msSince(start) > timeout * 1000) {
            std::fprintf(stderr, "kolvar_first_frame: no first frame within %g s\n", timeout);
            kill(pid, SIGKILL);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const double painted = msSince(start);
    std::printf("%d %.1f %.1f\n", static_cast<int>(pid), mapped, painted);
    XCloseDisplay(display);
    return 0;
}
