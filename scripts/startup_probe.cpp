// Start-up probe for scripts/measure-startup.sh: starts the program given on
// the command line and watches the X display (a virtual one) for its windows.
// Prints one line:
//   splash_ms=<t> main_ms=<t> splash_gone_ms=<t> rss_kb=<kB>
// where each time counts from the moment just before the process was started
// to the moment the X server reported the window mapped (on the screen; no
// window manager runs, so a mapped window is a visible one), and rss_kb is the
// resident memory (VmRSS) of the process `idleMs` after its main window came
// up. A window that never came shows -1. The program is then ended.
//
// The main window is the one whose title starts with the given text (the
// title is the language's).
//
// Usage: startup_probe <start of the main window title> <idle ms> <program> [arguments...]

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kGiveUpMs = 20000; // a start that takes longer has failed

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string WindowTitle(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &remaining, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<const char*>(data), count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return title;
}

bool IsSplashWindow(Display* display, Window window) {
    const Atom windowType = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom splash = XInternAtom(display, "_NET_WM_WINDOW_TYPE_SPLASH", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    bool isSplash = false;
    if (XGetWindowProperty(display, window, windowType, 0, 16, False, XA_ATOM, &type, &format,
                           &count, &remaining, &data) == Success &&
        data != nullptr && format == 32) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count; ++i) {
            isSplash = isSplash || atoms[i] == splash;
        }
    }
    if (data != nullptr) {
        XFree(data);
    }
    return isSplash;
}

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// Windows of other clients may vanish between an event and the questions
// asked about them; that is no error here.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s <start of the main window title> <idle ms> <program> [args...]\n",
                     argv[0]);
        return 2;
    }
    const std::string mainTitle = argv[1];
    const double idleMs = std::atof(argv[2]);

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program's own messages would mix with the result line.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execvp(argv[3], argv + 3);
        std::perror("startup_probe: exec");
        _exit(127);
    }
    if (pid < 0) {
        std::perror("startup_probe: fork");
        return 2;
    }

    double splashMs = -1;
    double mainMs = -1;
    double splashGoneMs = -1;
    Window splashWindow = None;
    std::vector<Window> unnamed; // mapped, not yet recognised: waiting for a title
    long rssKb = -1;
    bool exited = false;

    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (true) {
        const double now = MillisecondsSince(start);
        if (mainMs >= 0 && now >= mainMs + idleMs) {
            rssKb = ResidentKilobytes(pid);
            break;
        }
        if (now >= kGiveUpMs) {
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            exited = true;
            break;
        }
        if (XPending(display) == 0) {
            poll(&connection, 1, 2);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double at = MillisecondsSince(start);
        Window window = None;
        if (event.type == MapNotify) {
            window = event.xmap.window;
            if (IsSplashWindow(display, window)) {
                if (splashMs < 0) {
                    splashMs = at;
                    splashWindow = window;
                }
                continue;
            }
            // Watch the title of a window that has none yet.
            XSelectInput(display, window, PropertyChangeMask);
            unnamed.push_back(window);
        } else if (event.type == PropertyNotify) {
            window = event.xproperty.window;
        } else if ((event.type == UnmapNotify && event.xunmap.window == splashWindow) ||
                   (event.type == DestroyNotify && event.xdestroywindow.window == splashWindow)) {
            if (splashGoneMs < 0 && splashWindow != None) {
                splashGoneMs = at;
            }
            continue;
        } else {
            continue;
        }
        if (mainMs < 0) {
            for (Window candidate : unnamed) {
                if (candidate == window && WindowTitle(display, window).starts_with(mainTitle)) {
                    mainMs = at;
                }
            }
        }
    }

    if (!exited) {
        kill(pid, SIGTERM);
        int status = 0;
        for (int i = 0; i < 200 && waitpid(pid, &status, WNOHANG) == 0; ++i) {
            usleep(10000);
        }
        if (waitpid(pid, &status, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
    }
    XCloseDisplay(display);
    std::printf("splash_ms=%.1f main_ms=%.1f splash_gone_ms=%.1f rss_kb=%ld\n", splashMs, mainMs,
                splashGoneMs, rssKb);
    return mainMs >= 0 ? 0 : 1;
}
