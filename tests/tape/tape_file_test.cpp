#include "support/private_folder.h"
#include "tape/tape.h"
#include "tape/tape_contents.h"
#include "tape/tape_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orbetta;

// The tape's file on the disk. Every test gets its own state directory, so the user's real tape is never
// touched.
class TapeFileTest : public QObject {
    Q_OBJECT
    std::unique_ptr<PrivateFolder> config;

private slots:
    void init() {
        config = std::make_unique<PrivateFolder>("XDG_STATE_HOME");
        QVERIFY(config->isValid());
    }
    void cleanup() { config.reset(); }

    // Whatever stands where the tape's file should be, the tape gives what could be read and says in one line
    // what is wrong; an append to it never blocks, and one that failed is written with the next line.
    void badFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("readable"); // the tape's lines read
        QTest::addColumn<QString>("problem");      // part of what the tape says is wrong
        QTest::addColumn<bool>("appends");         // the tape's file takes a new line
        const QStringList none;
        const QString bad(QChar(0xFFFD));
        QTest::newRow("folder") << "folder" << none << "is a folder" << false;
        QTest::newRow("pipe") << "pipe" << none << "is not a regular file" << false;
        QTest::newRow("link") << "link" << none << "symbolic link" << false;
        QTest::newRow("1 GB") << "1 GB" << QStringList{"2 +", "= 5"} << "1 GB long" << true;
        QTest::newRow("NULs") << "NULs" << QStringList{QString(100, bad[0]), "2 +"} << "not text" << true;
        QTest::newRow("binary") << "binary" << QStringList{bad + bad + bad + bad, "= 5"} << "not text"
                                << true;
        QTest::newRow("invalid UTF-8")
            << "invalid UTF-8" << QStringList{bad + "( " + bad + bad, "= 5"} << "not text" << true;
        QTest::newRow("megabyte line")
            << "megabyte line" << QStringList{QString(1024, 'x'), "= 5"} << "too long" << true;
        QTest::newRow("unreadable") << "unreadable" << none << "Permission denied" << false;
        QTest::newRow("read-only folder") << "read-only folder" << none << "" << false;
        QTest::newRow("full disk") << "full disk" << QStringList{"= 5"} << "" << false;
        QTest::newRow("NUL tail") << "NUL tail" << none << "1 GB long" << true;
        QTest::newRow("keep off in a read-only folder")
            << "keep off in a read-only folder" << QStringList{"= 5"} << "" << false;
    }

    void badFile() {
        QFETCH(QString, kind);
        QFETCH(QStringList, readable);
        QFETCH(QString, problem);
        QFETCH(bool, appends);
        QVERIFY(QDir(config->path()).mkdir("orbetta"));
        const QString path = config->filePath("orbetta/tape.txt");
        const QByteArray name = QFile::encodeName(path);
        const auto put = [&](const QByteArray& bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        if (kind == "folder") {
            QVERIFY(QDir(config->path()).mkdir("orbetta/tape.txt"));
        } else if (kind == "pipe") {
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        } else if (kind == "link") {
            QVERIFY(QFile::link(config->filePath("kept.txt"), path));
        } else if (kind == "1 GB") {
            put("old\n");
            QVERIFY(QFile::resize(path, qint64(1) << 30)); // sparse: no disk is spent on it
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append));
            file.write("\n2 +\n= 5\n");
        } else if (kind == "NULs") {
            put(QByteArray(100, '\0') + "\n2 +\n");
        } else if (kind == "binary") {
            put("\x01\x02\xff\xfe\n= 5\n");
        } else if (kind == "invalid UTF-8") {
            put("\xc3\x28 \xe2\x82\n= 5\n");
        } else if (kind == "megabyte line") {
            put(QByteArray(1 << 20, 'x') + "\n= 5\n");
        } else if (kind == "unreadable") {
            put("= 5\n");
            QVERIFY(QFile::setPermissions(path, {}));
            if (!config->permissionsApply())
                QSKIP("file permissions do not bind this user");
        } else if (kind == "read-only folder") {
            QVERIFY(QFile::setPermissions(config->filePath("orbetta"), QFile::ReadOwner | QFile::ExeOwner));
            if (!config->permissionsApply())
                QSKIP("directory permissions do not bind this user");
        } else if (kind == "full disk") {
            put("= 5\n");
        } else if (kind == "NUL tail") {
            QByteArray lines;
            for (int i = 0; i < 200; ++i)
                lines += QByteArray::number(i) + " =\n";
            put(lines);
            QVERIFY(QFile::resize(path, qint64(1) << 30)); // NULs to the end, sparse
        } else if (kind == "keep off in a read-only folder") {
            put("= 5\n");
            QVERIFY(QFile::setPermissions(config->filePath("orbetta"), QFile::ReadOwner | QFile::ExeOwner));
            if (!config->permissionsApply())
                QSKIP("directory permissions do not bind this user");
        }
        const tape::Contents contents = tape::read(path.toStdString());
        QStringList lines;
        for (const std::string& line : contents.lines)
            lines << QString::fromStdString(line);
        QCOMPARE(lines, readable);
        QVERIFY2(QString::fromStdString(contents.problem).contains(problem), contents.problem.c_str());
        QCOMPARE(contents.problem.empty(), problem.isEmpty());

        tape::TapeFile file(tape::tapePath());
        if (kind == "full disk") {
            // A file size limit makes the write fail halfway, as a full disk would.
            rlimit saved{};
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
            const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = saved;
            small.rlim_cur = 6;
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
            file.append("this line does not fit");
            const bool appended = file.flush();
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previousHandler);
            QVERIFY(!appended);
            QVERIFY(QString::fromStdString(file.problem()).contains("cannot be written"));
            QCOMPARE(fileOf(path), QByteArray("= 5\n")); // the part written is removed at once
            // The next line takes the one that failed along.
            file.append("next");
            QVERIFY(file.flush());
            QCOMPARE(fileOf(path), QByteArray("= 5\nthis line does not fit\nnext\n"));
            return;
        }
        if (kind == "keep off in a read-only folder") {
            tape::Tape kept(tape::tapePath(), true);
            kept.load();
            kept.setKeep(false);
            QVERIFY(QFile::exists(path));
            QVERIFY2(QString::fromStdString(kept.problem()).contains("cannot be removed: Permission denied"),
                     kept.problem().c_str());
            return;
        }
        file.append("7 =");
        QCOMPARE(file.flush(), appends);
        QCOMPARE(file.problem().empty(), appends);
        if (kind == "link")
            QVERIFY(!QFile::exists(config->filePath("kept.txt")));
        if (appends)
            QVERIFY(fileOf(path).endsWith("\n7 =\n") || fileOf(path) == "7 =\n");
        if (kind == "NUL tail") {
            // The old lines are kept beside it under a name the user is told, and the tape goes on.
            QCOMPARE(fileOf(path), QByteArray("7 =\n"));
            const QStringList aside = QDir(config->filePath("orbetta")).entryList({"tape-set-aside-*.txt"});
            QCOMPARE(aside.size(), 1);
            QVERIFY(QString::fromStdString(file.notice()).contains(config->filePath("orbetta/" + aside[0])));
            QFile kept(config->filePath("orbetta/" + aside[0]));
            QCOMPARE(kept.size(), qint64(1) << 30);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QVERIFY(kept.read(10).startsWith("0 =\n1 =\n"));
        }
        QFile::setPermissions(config->filePath("orbetta"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    static QByteArray fileOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    // The tape's file: a line cut short is no line, to a reader or to the next writer, which removes it
    // first; two programs appending lose none of each other's lines, trimmed or not; a program killed at any
    // point of appending leaves every earlier line whole; a program that stops keeping the tape stops the
    // others from writing it again.
    void tapeWriters_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("cut piece then restart") << "torn";
        QTest::newRow("kill during a write") << "killed mid-write";
        QTest::newRow("keep off, a second program") << "keep off";
        QTest::newRow("two writers") << "two writers";
        QTest::newRow("200 kills while appending") << "kills";
    }
    void tapeWriters() {
        QFETCH(QString, kind);
        const QString path = config->filePath("orbetta/tape.txt");
        if (kind == "torn") {
            QVERIFY(QDir(config->path()).mkdir("orbetta"));
            QFile torn(path);
            QVERIFY(torn.open(QIODevice::WriteOnly));
            torn.write("2 +\n3 =\n= 5\n\n4 \xc3\x97\n6 =\n= 2");
            torn.close();
            const tape::Contents contents = tape::read(path.toStdString());
            QCOMPARE(contents.lines, (std::vector<std::string>{"2 +", "3 =", "= 5", "", "4 ×", "6 ="}));
            QVERIFY(contents.problem.empty());
            tape::TapeFile file(tape::tapePath());
            file.append("= 24");
            QVERIFY(file.flush());
            QCOMPARE(fileOf(path), QByteArray("2 +\n3 =\n= 5\n\n4 \xc3\x97\n6 =\n= 24\n"));
            return;
        }
        if (kind == "killed mid-write") {
            // A file size limit cuts the write short and the signal it raises then ends the program there.
            QVERIFY(QDir(config->path()).mkdir("orbetta"));
            {
                QFile before(path);
                QVERIFY(before.open(QIODevice::WriteOnly));
                before.write("2 +\n3 =\n");
            }
            const pid_t child = ::fork();
            if (child == 0) {
                rlimit small{15, 15};
                ::setrlimit(RLIMIT_FSIZE, &small);
                tape::TapeFile file(tape::tapePath());
                file.append("= 5");
                file.append("= 1234567");
                file.flush();
                ::_exit(0);
            }
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status));
            QCOMPARE(fileOf(path), QByteArray("2 +\n3 =\n= 5\n= 1"));
            QCOMPARE(tape::read(path.toStdString()).lines, (std::vector<std::string>{"2 +", "3 =", "= 5"}));
            tape::TapeFile file(tape::tapePath());
            file.append("7 =");
            QVERIFY(file.flush());
            QCOMPARE(fileOf(path), QByteArray("2 +\n3 =\n= 5\n7 =\n"));
            return;
        }
        if (kind == "keep off") {
            bool kept = true; // the setting both programs read
            tape::Tape first(tape::tapePath(), true, [&] { return kept; });
            tape::Tape second(tape::tapePath(), true, [&] { return kept; });
            first.add("1 +");
            second.add("2 +");
            first.load();
            second.load();
            QVERIFY(QFile::exists(path));
            kept = false;
            first.setKeep(false);
            QVERIFY(!QFile::exists(path));
            QVERIFY(first.problem().empty());
            QCOMPARE(QDir(config->filePath("orbetta")).entryList(QDir::Files),
                     QStringList{}); // none set aside
            second.add("3 =");
            QTRY_VERIFY(!second.keep());
            QVERIFY(!QFile::exists(path));
            QCOMPARE(second.lines().back(), std::string("3 ="));
            return;
        }
        if (kind == "two writers") {
            // More lines than are kept, so that both trim the file while the other appends.
            constexpr int kLines = 6000;
            pid_t writers[2];
            for (int w = 0; w < 2; ++w) {
                writers[w] = ::fork();
                if (writers[w] == 0) {
                    {
                        tape::TapeFile file(tape::tapePath());
                        for (int i = 0; i < kLines; ++i)
                            file.append(std::string(1, char('A' + w)) + " " + std::to_string(i));
                        while (!file.flush())
                            ::sched_yield();
                    }
                    ::_exit(0);
                }
            }
            for (pid_t writer : writers) {
                int status = 0;
                QCOMPARE(::waitpid(writer, &status, 0), writer);
                QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            }
            // Each writer's lines are there from some line on to its last, none missing between.
            const QByteArrayList lines = fileOf(path).split('\n');
            QVERIFY(lines.size() <= int(tape::kKeptLines) + 2 * 1000 + 1);
            int next[2] = {-1, -1};
            for (const QByteArray& line : lines.mid(0, lines.size() - 1)) {
                const int w = line.at(0) - 'A';
                const int i = line.mid(2).toInt();
                QVERIFY2(next[w] < 0 || i == next[w], line.constData());
                next[w] = i + 1;
            }
            QCOMPARE(next[0], kLines);
            QCOMPARE(next[1], kLines);
            return;
        }
        // Each child appends numbered lines and tells how far it got; it is killed after a random count. The
        // file outgrows the tape, so trims happen between kills.
        std::mt19937 random(15);
        for (int run = 0; run < 200; ++run) {
            int report[2];
            QCOMPARE(::pipe(report), 0);
            const pid_t child = ::fork();
            if (child == 0) {
                ::close(report[0]);
                tape::TapeFile file(tape::tapePath());
                for (int i = 0; i < 100; ++i) {
                    file.append(std::to_string(run) + " " + std::to_string(i));
                    file.flush();
                    (void)!::write(report[1], &i, sizeof i);
                }
                ::pause();
            }
            ::close(report[1]);
            const int killAfter = int(random() % 100);
            int done = -1;
            while (done < killAfter && ::read(report[0], &done, sizeof done) == sizeof done) {
            }
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            ::close(report[0]);
            // Every line is whole, each run's lines follow one another from 0 (or from where the trim cut),
            // and this run's reach at least as far as it reported.
            const QByteArrayList lines = fileOf(path).split('\n');
            QCOMPARE(lines.last(), QByteArray());
            QVERIFY(lines.size() <= qsizetype(tape::kKeptLines) + 100 + 1);
            int lastRun = -1;
            int next = 0;
            for (qsizetype n = 0; n + 1 < lines.size(); ++n) {
                const QByteArrayList parts = lines[n].split(' ');
                bool runOk = false;
                bool indexOk = false;
                const int lineRun = parts.size() == 2 ? parts[0].toInt(&runOk) : -1;
                const int index = parts.size() == 2 ? parts[1].toInt(&indexOk) : -1;
                QVERIFY2(runOk && indexOk && lineRun >= lastRun, lines[n].constData());
                QVERIFY2(index == (lineRun == lastRun ? next : 0) || n == 0, lines[n].constData());
                lastRun = lineRun;
                next = index + 1;
            }
            QCOMPARE(lastRun, run);
            QVERIFY(next > done);
        }
        QVERIFY(!fileOf(path).startsWith("0 0\n")); // trimmed on the way
    }
};

QTEST_APPLESS_MAIN(TapeFileTest)
#include "tape_file_test.moc"
