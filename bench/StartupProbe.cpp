// Starts a program under X and reports, in milliseconds from the exec, when its window was
// mapped, when its result list was first painted, and when an address typed into it had filled
// the list; then the main process's peak memory in KiB, and how often a window of it was mapped.
// One line: "mapped painted calculated peak maps". The window is driven as a user would: a click
// into the address box, the address, Enter.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Patience = std::chrono::seconds(30);

// Points in window coordinates, from the window's fixed layout.
constexpr int AddressBoxX = 500, AddressBoxY = 48;
constexpr int ListBodyX = 400, ListBodyY = 250;
constexpr int FirstRowLeft = 104, FirstRowTop = 111, FirstRowWidth = 100, FirstRowHeight = 16;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "startup_probe: %s\n", what);
    std::exit(1);
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::optional<long> WindowPid(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &remaining, &data) != Success ||
        !data) {
        return std::nullopt;
    }
    const long pid = count == 1 ? static_cast<long>(*reinterpret_cast<unsigned long*>(data)) : -1;
    XFree(data);
    return pid;
}

// The program's top-level window. Qt may replace it with a new one (when a widget that draws
// with OpenGL first appears), so every map of a window of the program is followed and counted.
struct ProgramWindow {
    Display* display;
    pid_t pid;
    Window window = None;
    int maps = 0;

    void Follow() {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect &&
                WindowPid(display, event.xmap.window) == pid) {
                window = event.xmap.window;
                ++maps;
            }
        }
    }
};

// A window that goes away between two requests is not an error worth stopping for.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

// Counts light and dark pixels of a window area; an unpainted window is black.
struct Shades {
    int light = 0;
    int dark = 0;
};

Shades ShadesOf(Display* display, Window window, int x, int y, int width, int height) {
    Shades shades;
    XImage* image = XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
    if (!image) {
        return shades;
    }
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row);
            const int sum =
                int((pixel >> 16) & 0xFF) + int((pixel >> 8) & 0xFF) + int(pixel & 0xFF);
            sum > 600 ? ++shades.light : sum < 300 ? ++shades.dark : 0;
        }
    }
    XDestroyImage(image);
    return shades;
}

template <typename Condition>
void WaitFor(ProgramWindow& program, Condition condition, Clock::time_point start,
             const char* what) {
    for (program.Follow(); program.window == None || !condition(program.window); program.Follow()) {
        if (Clock::now() - start > Patience) {
            Fail(what);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
}

void Key(Display* display, KeySym symbol) {
    const KeyCode code = XKeysymToKeycode(display, symbol);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
}

void TypeAddressAndEnter(Display* display, Window window) {
    int rootX = 0, rootY = 0;
    Window child = None;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), AddressBoxX, AddressBoxY,
                          &rootX, &rootY, &child);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    for (const char c : std::string("192.168.1.10")) {
        Key(display, c == '.' ? XK_period : XK_0 + (c - '0'));
    }
    Key(display, XK_Return);
    XFlush(display);
}

long PeakKibibytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Fail("usage: startup_probe PROGRAM [ARGUMENT...]");
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        Fail("cannot open the display");
    }
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    ProgramWindow program{display, pid};
    WaitFor(
        program, [](Window) { return true; }, start, "no window was mapped");
    const double mapped = MillisecondsSince(start);

    WaitFor(
        program,
        [&](Window window) {
            return ShadesOf(display, window, ListBodyX, ListBodyY, 1, 1).light == 1;
        },
        start, "the list was never painted");
    const double painted = MillisecondsSince(start);

    TypeAddressAndEnter(display, program.window);
    WaitFor(
        program,
        [&](Window window) {
            const Shades row =
                ShadesOf(display, window, FirstRowLeft, FirstRowTop, FirstRowWidth, FirstRowHeight);
            return row.dark > 10 && row.light > FirstRowWidth * FirstRowHeight / 2;
        },
        start, "the list was never filled");
    const double calculated = MillisecondsSince(start);

    // Let the browser pane finish its page before reading the peak.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    program.Follow();
    const long peak = PeakKibibytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.1f %.1f %.1f %ld %d\n", mapped, painted, calculated, peak, program.maps);
    return 0;
}
