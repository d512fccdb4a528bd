// A long run of seeded random actions on the real windows, offscreen: every key of the main window, typed
// characters, the list of further functions, the two-value dialog, About, help, the colour chooser, the off
// key, closing the main window and destroying it with its other windows open, after which the program starts
// again as it does at start-up. Message boxes, beeps and the colour chooser answer through the windows' hooks,
// so nothing waits for a person. The same seed gives the same actions.
//
// Memory is measured after the first 1 000 actions and at the end, each time with the program just ended (no
// window exists) and the allocator's free memory given back. The run fails (exit 1) when the second figure
// exceeds the first by more than 2 MB, or when a window outlives its unloading, the main window keeps gaining
// objects, more than one dialog or About window exists, the display holds more than 24 characters, or the
// colour preference does not come back from the settings file.
//
// The figure compared is the resident size (VmRSS). Under AddressSanitizer the resident size mostly counts
// the sanitizer's own bookkeeping - its quarantine of freed blocks and the call stacks it records for every
// allocation, which grow over the whole run whatever the program does - so there the figure compared is the
// heap the program holds, as the sanitizer's allocator counts it, and the resident size is only shown;
// `make soak` runs the test once more without sanitizers for the resident size.
//
// The program runs as it is shipped: its style, Qt's pixmap cache and every other cache as users have them.
//
//   orbetta_soak [--actions N] [--seed S] [--trace]
//
// --trace writes every action to the standard error. A run that crashes writes its last 32 actions there in
// any case, so that it can be replayed with the same seed.
#include "look/classic_look.h"
#include "look/pictures.h"
#include "soak_run.h"

#include <QApplication>
#include <QTemporaryDir>

#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

#if defined(__SANITIZE_ADDRESS__)
extern "C" void __sanitizer_set_death_callback(void (*callback)());
extern "C" void __sanitizer_purge_allocator();
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

constexpr long kAllowedGrowthKb = 2 * 1024;
constexpr unsigned long long kWarmUpActions = 1000;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// The offscreen platform says for every raise or keyboard grab that it has none; that is expected here and
// only counted. Every other message of Qt passes on.
QtMessageHandler qtHandler = nullptr;
unsigned long long platformNotices = 0;

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) {
        ++platformNotices;
        return;
    }
    qtHandler(type, context, text);
}

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) != 0)
            continue;
        std::string_view digits(line);
        digits.remove_prefix(6);
        while (!digits.empty() && (digits.front() == ' ' || digits.front() == '\t'))
            digits.remove_prefix(1);
        long kb = -1;
        std::from_chars(digits.data(), digits.data() + digits.size(), kb);
        return kb;
    }
    return -1;
}

struct Memory {
    long residentKb = -1;
    long heapKb = -1; // the heap in use
    // The figure that must not grow.
    long comparedKb() const { return kSanitized ? heapKb : residentKb; }
};

// Memory in the same state at every measurement: the program has just ended, so no window exists, and the
// allocator has given back what is free.
Memory settledMemory(SoakRun& run) {
    run.endProgram();
    Memory memory;
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_purge_allocator();
    memory.heapKb = static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    malloc_trim(0);
    memory.heapKb = static_cast<long>(mallinfo2().uordblks / 1024);
#endif
    memory.residentKb = residentKb();
    return memory;
}

void printMemory(const char* when, const Memory& memory) {
    std::printf("soak: %s: resident %ld kB, heap in use %ld kB\n", when, memory.residentKb, memory.heapKb);
}

// A run that stops names the actions that led there. The sanitizers report an error first and then call
// their death callback; without them a crash signal does.
void reportCrashes() {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(writeRecentActions);
#else
    struct sigaction action {};
    action.sa_handler = [](int signal) {
        writeRecentActions();
        std::raise(signal); // the default action, now that the handler is reset
    };
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT})
        sigaction(signal, &action, nullptr);
#endif
}

bool readCount(const char* text, unsigned long long& value) {
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    return error == std::errc() && stop == end && end != text;
}

} // namespace

int main(int argc, char* argv[]) {
    unsigned long long actions = 100000;
    unsigned long long seed = 20261207;
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--trace") {
            trace = true;
        } else if ((arg == "--actions" || arg == "--seed") && i + 1 < argc) {
            if (!readCount(argv[++i], arg == "--actions" ? actions : seed)) {
                std::fprintf(stderr, "%s needs a whole number\n", arg.data());
                return 2;
            }
        } else {
            std::fprintf(stderr, "usage: %s [--actions N] [--seed S] [--trace]\n", argv[0]);
            return 2;
        }
    }

    // Never the user's own settings: the settings file, the tape and Qt's configuration and runtime files go
    // to a fresh folder.
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 2;
    }
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", home.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    reportCrashes();
    qtHandler = qInstallMessageHandler(filterMessages);
    int status = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Orbetta"));
        QApplication::setApplicationVersion(QStringLiteral(ORBETTA_VERSION));
        QApplication::setWindowIcon(orbetta::look::applicationIcon());
        orbetta::look::applyClassicLook();

        std::printf("soak: %llu actions, seed %llu, %s, settings in %s\n", actions, seed,
                    kSanitized ? "AddressSanitizer" : "no sanitizer", qPrintable(home.path()));
        std::fflush(stdout);

        const auto started = std::chrono::steady_clock::now();
        const auto elapsed = [&] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        };
        SoakRun run(seed, trace);
        Memory first;
        for (unsigned long long i = 1; i <= actions; ++i) {
            run.step(i);
            if (i == kWarmUpActions) {
                first = settledMemory(run);
                printMemory("after 1000 actions", first);
            }
            if (i % 10000 == 0)
                std::printf("soak: %llu actions, %.0f s, resident %ld kB\n", i, elapsed(), residentKb());
            std::fflush(stdout);
        }
        const Memory last = settledMemory(run);
        const double seconds = elapsed();

        printMemory("at the end", last);
        if (first.comparedKb() >= 0) {
            std::printf("soak: growth since action %llu: resident %+ld kB, heap in use %+ld kB; %s counts\n",
                        kWarmUpActions, last.residentKb - first.residentKb, last.heapKb - first.heapKb,
                        kSanitized ? "the heap" : "resident memory");
        }
        std::printf("soak: %.1f s for %llu actions\n", seconds, actions);
        run.printCounts();
        std::printf("  %-40s %10llu\n", "platform notices (no raise, no grab)", platformNotices);

        if (first.comparedKb() >= 0 && last.comparedKb() - first.comparedKb() > kAllowedGrowthKb) {
            std::printf("soak: FAILED: %s grew by more than %ld kB\n",
                        kSanitized ? "the heap" : "resident memory", kAllowedGrowthKb);
            status = 1;
        }
        for (const std::string& fault : run.faults()) {
            std::printf("soak: FAILED: %s\n", fault.c_str());
            status = 1;
        }
        // Everything goes before the application does, so that the leak check at exit sees only what is
        // really lost.
        run.finish();
    }
    qInstallMessageHandler(qtHandler);
    std::printf("soak: %s\n", status == 0 ? "passed" : "failed");
    return status;
}
