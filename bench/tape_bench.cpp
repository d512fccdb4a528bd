// What the tape costs: 10 000 typed keys in the main window with the tape kept in its file, next to the same
// keys with it kept in memory only and with nothing recorded at all; and how long a full tape of 10 000 lines
// takes to open. The rounds alternate, so a busy moment of a shared machine falls on all of them alike; the
// medians are printed.
#include "tape/tape.h"
#include "tape/tape_file.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The main window with its boxes and beeps counted instead of shown, and, for the floor, nothing recorded.
class QuietCalc : public MainWindow {
public:
    explicit QuietCalc(bool recording) : recording_(recording) {}
    void beep() override {}
    void message(std::string_view, orbetta::Icon) override {}
    void record(std::string_view line) override {
        if (recording_)
            MainWindow::record(line);
    }

private:
    bool recording_;
};

// 10 000 characters of ordinary work: numbers, operations, equal and clear-all.
const std::string& keys() {
    static const std::string sequence = [] {
        const std::string pattern = "12+345*6-7.5/3=c9*9=48/6+1=";
        std::string all;
        while (all.size() < 10000)
            all += pattern;
        all.resize(10000);
        return all;
    }();
    return sequence;
}

enum class Mode { File, Memory, None };

double typeKeys(Mode mode, const QString& home) {
    QFile::remove(home + "/orbetta/tape.txt");
    QFile::remove(home + "/orbetta.ini");
    if (mode == Mode::Memory) {
        QFile ini(home + "/orbetta.ini");
        ini.open(QIODevice::WriteOnly);
        ini.write("[Settings]\nKeepTape=0\n");
    }
    QuietCalc calc(mode != Mode::None);
    calc.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (char c : keys()) {
        calc.typeCharacter(c);
        QApplication::processEvents(); // the display is drawn after each key, as when typing
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double openFullTape(const QString& home) {
    {
        QFile file(home + "/orbetta/tape.txt");
        file.open(QIODevice::WriteOnly);
        for (int i = 0; i < int(orbetta::tape::kKeptLines); ++i)
            file.write(QByteArray::number(i % 97) + " \xc3\x97\n" + (i % 5 == 4 ? "= 12345.678\n\n" : ""));
    }
    QFile::remove(home + "/orbetta.ini");
    QuietCalc calc(true);
    calc.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    calc.toggleTape();
    QApplication::processEvents(); // the window's first paint
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (calc.tape().lines().size() != orbetta::tape::kKeptLines)
        std::fprintf(stderr, "the tape holds %zu lines\n", calc.tape().lines().size());
    return ms;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    // The tape on the same disk as the program's build: a real file system, where each line reaches the disk.
    QTemporaryDir home(QStringLiteral("tape-bench-XXXXXX"));
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 7;

    std::vector<double> file, memory, none, open;
    typeKeys(Mode::File, home.path()); // warm-up, not counted
    for (int round = 0; round < rounds; ++round) {
        file.push_back(typeKeys(Mode::File, home.path()));
        memory.push_back(typeKeys(Mode::Memory, home.path()));
        none.push_back(typeKeys(Mode::None, home.path()));
        open.push_back(openFullTape(home.path()));
    }
    std::printf("10 000 keys, median of %d rounds:\n", rounds);
    std::printf("  tape kept in its file   %8.1f ms  (%.3f x no tape)\n", median(file),
                median(file) / median(none));
    std::printf("  tape in memory only     %8.1f ms  (%.3f x no tape)\n", median(memory),
                median(memory) / median(none));
    std::printf("  nothing recorded        %8.1f ms\n", median(none));
    std::printf("opening a tape of 10 000 lines: %.1f ms (median; fastest %.1f, slowest %.1f)\n",
                median(open), *std::min_element(open.begin(), open.end()),
                *std::max_element(open.begin(), open.end()));
    return 0;
}
