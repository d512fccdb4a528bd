// Measures how fast X programs start: N rounds on an otherwise empty X server, each launching every program
// once, each launch timed from the launch to the first painted frame of its window, with the program's peak
// resident memory. Prints the medians and, when a baseline program is named, each program's ratios to it: the
// median of the ratios within each round (a busy moment of a shared machine slows both programs of a round
// alike, so these ratios hold where medians taken apart move), and the median of the differences in each
// round.
//
// A window counts as painted when the screen inside it shows a pixel of another colour than the root
// background: an unmapped or not yet painted window (one without a background of its own, as Qt and GTK make
// them) shows the root through it. A window with a background of its own is filled in by the server when it
// is mapped, so for such a program the first frame may be that background. The X DAMAGE extension tells when
// a window's contents change, so the screen is only read when something was drawn. "Complete" is the last
// change before the window stayed unchanged for the quiet period (or 3 s after the first paint, whichever
// comes first: a blinking cursor never lets it rest); the peak memory is read at that moment, before the
// kill.
//
// Build: g++ -std=c++20 -O2 firstframe.cpp -o firstframe -lX11 -lXdamage
// Usage: firstframe [--runs N] [--warmup N] [--quiet-ms N] [--timeout-s N] [--child-log FILE]
//                   [--snapshots DIR] [--baseline LABEL] LABEL=COMMAND [LABEL=COMMAND...]
// (COMMAND is split at blanks; --runs and --warmup count rounds)

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <numeric>
#include <optional>
#include <poll.h>
#include <random>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr double kSettleLimitMs = 3000;

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

bool xErrorSeen = false;
int ignoreXError(Display*, XErrorEvent*) {
    xErrorSeen = true; // a window that vanished or left the screen between two requests
    return 0;
}

struct Options {
    int runs = 10;
    int warmup = 1;
    int quietMs = 300;
    int timeoutS = 15;
    std::string childLog = "/dev/null";
    std::string snapshots; // a directory for a picture of each first frame, to check what was counted
    std::string baseline;  // the label of the program the others are compared with
};

struct Program {
    std::string label;
    std::vector<std::string> argv;
};

// The counted runs of one program, one entry per counted round (nullopt where that round's run failed), and
// why its last run failed.
struct Series {
    std::vector<std::optional<double>> mapped, painted, complete, peak;
    std::string lastFailure;
    bool dead = false; // failed its warm-up: not launched again
};

struct Run {
    bool ok = false;
    double mappedMs = 0;
    double paintedMs = 0;
    double completeMs = 0;
    long peakKiB = 0;
    std::string failure;
};

long peakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

class Probe {
public:
    explicit Probe(const Options& options) : options_(options) {
        display_ = XOpenDisplay(nullptr);
        if (display_ == nullptr) {
            std::fprintf(stderr, "firstframe: cannot open the X display\n");
            std::exit(2);
        }
        int errorBase = 0;
        if (!XDamageQueryExtension(display_, &damageEventBase_, &errorBase)) {
            std::fprintf(stderr, "firstframe: the X server has no DAMAGE extension\n");
            std::exit(2);
        }
        XSetErrorHandler(ignoreXError);
        root_ = DefaultRootWindow(display_);
        screenWidth_ = DisplayWidth(display_, DefaultScreen(display_));
        screenHeight_ = DisplayHeight(display_, DefaultScreen(display_));
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
        // Programs place their windows at the top left without a window manager; the opposite corner is root.
        XImage* corner =
            XGetImage(display_, root_, screenWidth_ - 1, screenHeight_ - 1, 1, 1, AllPlanes, ZPixmap);
        if (corner != nullptr) {
            rootPixel_ = XGetPixel(corner, 0, 0);
            XDestroyImage(corner);
        }
    }
    ~Probe() { XCloseDisplay(display_); }

    Run measure(const Program& program, int number) {
        drainEvents();
        std::set<Window> before = topLevelWindows();
        std::map<Window, Damage> watched;
        Run run;

        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&files, 1, options_.childLog.c_str(), O_WRONLY | O_APPEND | O_CREAT,
                                         0644);
        posix_spawn_file_actions_adddup2(&files, 1, 2);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes,
                                 POSIX_SPAWN_SETPGROUP); // its own group, so its children die with it
        posix_spawnattr_setpgroup(&attributes, 0);
        std::vector<char*> argv;
        for (const auto& arg : program.argv) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);

        pid_t pid = -1;
        const double start = nowMs();
        const int spawned = posix_spawnp(&pid, argv[0], &files, &attributes, argv.data(), environ);
        posix_spawn_file_actions_destroy(&files);
        posix_spawnattr_destroy(&attributes);
        if (spawned != 0) {
            run.failure = std::string("cannot start: ") + std::strerror(spawned);
            return run;
        }

        const double deadline = start + options_.timeoutS * 1e3;
        double lastChange = -1;
        bool painted = false;
        while (true) {
            const double now = nowMs();
            // A blinking cursor never stops changing the window, so settling has a limit of its own.
            if (painted &&
                (now - lastChange >= options_.quietMs || now - start - run.paintedMs >= kSettleLimitMs)) {
                run.ok = true;
                run.completeMs = lastChange - start;
                run.peakKiB = peakResidentKiB(pid);
                break;
            }
            if (now >= deadline) {
                run.failure = watched.empty() ? "no window" : "never painted";
                break;
            }
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                run.failure = "exited early";
                pid = -1;
                break;
            }
            if (XPending(display_) == 0) {
                const double wait = painted ? lastChange + options_.quietMs - now : 50;
                pollfd fd{ConnectionNumber(display_), POLLIN, 0};
                poll(&fd, 1, std::clamp(static_cast<int>(wait) + 1, 1, 50)); // wakes to see an early exit
                continue;
            }
            XEvent event;
            XNextEvent(display_, &event);
            Window changed = 0;
            if (event.type == MapNotify && event.xmap.event == root_ && !before.contains(event.xmap.window)) {
                const Window window = event.xmap.window;
                if (watched.empty()) {
                    run.mappedMs = nowMs() - start;
                }
                if (!watched.contains(window)) {
                    watched[window] = XDamageCreate(display_, window, XDamageReportNonEmpty);
                }
                changed = window; // it may have drawn before the damage was watched
            } else if (event.type == damageEventBase_ + XDamageNotify) {
                const auto* damage = reinterpret_cast<XDamageNotifyEvent*>(&event);
                XDamageSubtract(display_, damage->damage, None, None);
                changed = damage->drawable;
            }
            if (changed == 0 || !watched.contains(changed)) {
                continue;
            }
            const std::string snapshot =
                options_.snapshots.empty()
                    ? std::string()
                    : options_.snapshots + "/" + program.label + "-" + std::to_string(number) + ".ppm";
            if (!painted && isPainted(changed, snapshot)) {
                painted = true;
                run.paintedMs = nowMs() - start;
            }
            if (painted) {
                lastChange = nowMs();
            }
        }

        if (pid > 0) {
            stop(pid);
        }
        for (const auto& [window, damage] : watched) {
            XDamageDestroy(display_, damage);
        }
        XSync(display_, False);
        xErrorSeen = false;
        return run;
    }

private:
    std::set<Window> topLevelWindows() {
        Window rootReturn = 0, parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        std::set<Window> windows;
        if (XQueryTree(display_, root_, &rootReturn, &parent, &children, &count) != 0) {
            windows.insert(children, children + count);
            XFree(children);
        }
        return windows;
    }

    void drainEvents() {
        XSync(display_, False);
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
        }
    }

    // Reads the screen where the window is (the root's contents, so children and a missing background are
    // seen as a user would) and looks for anything that is not the root background.
    bool isPainted(Window window, const std::string& snapshot) {
        XWindowAttributes attributes;
        xErrorSeen = false;
        if (XGetWindowAttributes(display_, window, &attributes) == 0 || xErrorSeen ||
            attributes.map_state != IsViewable) {
            return false;
        }
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, window, root_, 0, 0, &x, &y, &child);
        const int left = std::max(x, 0), top = std::max(y, 0);
        const int right = std::min(x + attributes.width, screenWidth_);
        const int bottom = std::min(y + attributes.height, screenHeight_);
        if (right - left < 8 || bottom - top < 8) { // tiny utility windows are no frame
            return false;
        }
        XImage* image = XGetImage(display_, root_, left, top, static_cast<unsigned>(right - left),
                                  static_cast<unsigned>(bottom - top), AllPlanes, ZPixmap);
        if (image == nullptr) {
            return false;
        }
        bool painted = false;
        for (int row = 0; row < image->height && !painted; ++row) {
            for (int column = 0; column < image->width && !painted; ++column) {
                painted = XGetPixel(image, column, row) != rootPixel_;
            }
        }
        if (painted && !snapshot.empty()) {
            savePicture(image, snapshot);
        }
        XDestroyImage(image);
        return painted;
    }

    // A true-colour screen picture as a binary PPM file.
    static void savePicture(XImage* image, const std::string& path) {
        const auto channel = [](unsigned long pixel, unsigned long mask) {
            int shift = 0;
            while (mask != 0 && (mask & 1) == 0) {
                mask >>= 1;
                ++shift;
            }
            return static_cast<char>(((pixel >> shift) & mask) * 255 / (mask == 0 ? 1 : mask));
        };
        std::ofstream out(path, std::ios::binary);
        out << "P6\n" << image->width << " " << image->height << "\n255\n";
        for (int row = 0; row < image->height; ++row) {
            for (int column = 0; column < image->width; ++column) {
                const unsigned long pixel = XGetPixel(image, column, row);
                const char rgb[3] = {channel(pixel, image->red_mask), channel(pixel, image->green_mask),
                                     channel(pixel, image->blue_mask)};
                out.write(rgb, 3);
            }
        }
    }

    void stop(pid_t pid) {
        kill(-pid, SIGTERM);
        const double giveUp = nowMs() + 3000;
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (nowMs() > giveUp) {
                kill(-pid, SIGKILL);
                waitpid(pid, &status, 0);
                break;
            }
            poll(nullptr, 0, 5);
        }
        kill(-pid, SIGKILL); // anything the program left running in its group
    }

    const Options& options_;
    Display* display_ = nullptr;
    Window root_ = 0;
    int damageEventBase_ = 0;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    unsigned long rootPixel_ = 0;
};

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::vector<double> counted(const std::vector<std::optional<double>>& values) {
    std::vector<double> kept;
    for (const auto& value : values) {
        if (value) {
            kept.push_back(*value);
        }
    }
    return kept;
}

// The median over the rounds in which both programs ran of how the two compare in that round.
template <typename Compare>
double medianPerRound(const std::vector<std::optional<double>>& program,
                      const std::vector<std::optional<double>>& base, Compare compare) {
    std::vector<double> values;
    for (std::size_t round = 0; round < program.size() && round < base.size(); ++round) {
        if (program[round] && base[round] && *base[round] > 0) {
            values.push_back(compare(*program[round], *base[round]));
        }
    }
    return median(values);
}

double ratio(double value, double base) {
    return value / base;
}

double difference(double value, double base) {
    return value - base;
}

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: firstframe [--runs N] [--warmup N] [--quiet-ms N] [--timeout-s N] "
                         "[--child-log FILE] [--snapshots DIR] [--baseline LABEL] LABEL=COMMAND...\n");
    std::exit(2);
}

int number(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 100000) {
        usage();
    }
    return static_cast<int>(value);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--runs" && hasValue) {
            options.runs = std::max(1, number(argv[++i]));
        } else if (arg == "--warmup" && hasValue) {
            options.warmup = number(argv[++i]);
        } else if (arg == "--quiet-ms" && hasValue) {
            options.quietMs = number(argv[++i]);
        } else if (arg == "--timeout-s" && hasValue) {
            options.timeoutS = std::max(1, number(argv[++i]));
        } else if (arg == "--child-log" && hasValue) {
            options.childLog = argv[++i];
        } else if (arg == "--snapshots" && hasValue) {
            options.snapshots = argv[++i];
        } else if (arg == "--baseline" && hasValue) {
            options.baseline = argv[++i];
        } else if (const auto equals = arg.find('='); equals != std::string::npos && equals > 0) {
            Program program{arg.substr(0, equals), {}};
            std::istringstream words(arg.substr(equals + 1));
            for (std::string word; words >> word;) {
                program.argv.push_back(word);
            }
            if (program.argv.empty()) {
                usage();
            }
            programs.push_back(program);
        } else {
            usage();
        }
    }
    if (programs.empty()) {
        usage();
    }

    Probe probe(options);
    // Every round launches each program once, so a busy moment of the shared machine falls on all of them
    // alike. Each round takes them in an order of its own, drawn from a fixed seed: in a fixed cycle a
    // program would mostly follow the same other one and start while that one's exit is still being cleaned
    // up.
    const std::size_t count = programs.size();
    std::vector<Series> series(count);
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::mt19937 shuffler(1);
    for (int round = 0; round < options.warmup + options.runs; ++round) {
        const bool isCounted = round >= options.warmup;
        std::shuffle(order.begin(), order.end(), shuffler);
        for (const std::size_t which : order) {
            const Program& program = programs[which];
            Series& results = series[which];
            if (results.dead) {
                continue;
            }
            const Run run = probe.measure(program, round + 1);
            if (!run.ok) {
                results.lastFailure = run.failure;
                std::fprintf(stderr, "%s round %d: %s\n", program.label.c_str(), round + 1,
                             run.failure.c_str());
                // A program that fails cold will fail warm; no need to wait for each timeout.
                results.dead = !isCounted;
                if (isCounted) {
                    results.mapped.emplace_back();
                    results.painted.emplace_back();
                    results.complete.emplace_back();
                    results.peak.emplace_back();
                }
                continue;
            }
            std::fprintf(stderr,
                         "%s round %d%s: mapped %.1f ms, painted %.1f ms, complete %.1f ms, peak %ld KiB\n",
                         program.label.c_str(), round + 1, isCounted ? "" : " (warm-up)", run.mappedMs,
                         run.paintedMs, run.completeMs, run.peakKiB);
            if (isCounted) {
                results.mapped.push_back(run.mappedMs);
                results.painted.push_back(run.paintedMs);
                results.complete.push_back(run.completeMs);
                results.peak.push_back(static_cast<double>(run.peakKiB) / 1024.0);
            }
        }
    }

    const Series* base = nullptr;
    for (std::size_t i = 0; i < count; ++i) {
        if (programs[i].label == options.baseline && !counted(series[i].painted).empty()) {
            base = &series[i];
        }
    }
    std::printf("%-12s %7s %10s %14s %13s %14s", "program", "runs", "mapped ms", "first paint ms",
                "complete ms", "peak RSS MiB");
    if (base != nullptr) {
        std::printf("   %s = 1, per round: %11s %9s %5s %16s", options.baseline.c_str(), "first paint",
                    "complete", "RSS", "first paint +ms");
    }
    std::printf("\n");
    for (std::size_t i = 0; i < count; ++i) {
        const Series& results = series[i];
        const std::vector<double> painted = counted(results.painted);
        const std::string runs = std::to_string(painted.size()) + "/" + std::to_string(options.runs);
        if (painted.empty()) {
            std::printf("%-12s %7s   failed: %s\n", programs[i].label.c_str(), runs.c_str(),
                        results.lastFailure.c_str());
            continue;
        }
        std::printf("%-12s %7s %10.1f %14.1f %13.1f %14.1f", programs[i].label.c_str(), runs.c_str(),
                    median(counted(results.mapped)), median(painted), median(counted(results.complete)),
                    median(counted(results.peak)));
        if (base != nullptr) {
            std::printf("   %*s %11.3f %9.3f %5.3f %+16.2f", static_cast<int>(options.baseline.size() + 14),
                        "", medianPerRound(results.painted, base->painted, ratio),
                        medianPerRound(results.complete, base->complete, ratio),
                        medianPerRound(results.peak, base->peak, ratio),
                        medianPerRound(results.painted, base->painted, difference));
        }
        std::printf("\n");
    }
    return 0;
}
