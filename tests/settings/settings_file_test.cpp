#include "settings/settings_file.h"
#include "support/private_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orbetta;

namespace {

const char* const kFile = "orbetta.ini";

// A literal with NUL bytes in it, all of it.
template <std::size_t N> QByteArray bytes(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

} // namespace

// Every test gets its own configuration directory, so the user's real settings are never touched.
class SettingsFileTest : public QObject {
    Q_OBJECT
    std::unique_ptr<PrivateFolder> config;

    QString filePath() const { return config->filePath(kFile); }
    void putFile(const QByteArray& contents) const {
        QFile file(filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(contents), contents.size());
    }
    QByteArray fileContents() const {
        QFile file(filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }
    QStringList directoryEntries() const {
        return QDir(config->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    static uint modeOf(const QString& path) {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
    }
    static std::string readOption() { return readProfileString("Settings", "Option4", "&HC0C0C0", kFile); }
    static bool writeOption(const std::string& value) {
        return writeProfileString("Settings", "Option4", value, kFile);
    }

private slots:
    void init() {
        config = std::make_unique<PrivateFolder>("XDG_CONFIG_HOME");
        QVERIFY(config->isValid());
    }
    void cleanup() { config.reset(); }

    void path_data() {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bare name") << QByteArray("/cfg") << "orbetta.ini"
                                   << "/cfg/orbetta.ini";
        QTest::newRow("relative config ignored") << QByteArray("cfg") << "orbetta.ini"
                                                 << "/home/u/.config/orbetta.ini";
        QTest::newRow("empty config ignored") << QByteArray("") << "orbetta.ini"
                                              << "/home/u/.config/orbetta.ini";
        QTest::newRow("directory part kept") << QByteArray("/cfg") << "sub/orbetta.ini"
                                             << "sub/orbetta.ini";
        QTest::newRow("absolute kept") << QByteArray("/cfg") << "/etc/orbetta.ini"
                                       << "/etc/orbetta.ini";
        QTest::newRow("no name") << QByteArray("/cfg") << ""
                                 << "";
        QTest::newRow("parent is no name") << QByteArray("/cfg") << ".."
                                           << "";
    }
    void path() {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, file);
        QFETCH(QString, expected);
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", "/home/u");
        qputenv("XDG_CONFIG_HOME", xdg);
        const std::string result = settingsPath(file.toStdString()).string();
        qputenv("HOME", home);
        QCOMPARE(QString::fromStdString(result), expected);
    }

    void read_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray s = "Settings", k = "Option4", grey = "&HC0C0C0";
        const QByteArray longValue(200, 'x');
        QTest::newRow("empty file") << QByteArray() << s << k << grey;
        QTest::newRow("plain") << QByteArray("[Settings]\nOption4=255\n") << s << k << QByteArray("255");
        QTest::newRow("hex text as is")
            << QByteArray("[Settings]\nOption4=&HFF\n") << s << k << QByteArray("&HFF");
        QTest::newRow("names ignore case")
            << QByteArray("[sEtTiNgS]\noPTION4=1\n") << s << k << QByteArray("1");
        QTest::newRow("caller's case too") << QByteArray("[Settings]\nOption4=1\n") << QByteArray("SETTINGS")
                                           << QByteArray("option4") << QByteArray("1");
        QTest::newRow("blanks around")
            << QByteArray("  [ Settings ]  \n\t Option4 \t=  12 34 \t\n") << s << k << QByteArray("12 34");
        QTest::newRow("caller's blanks") << QByteArray("[Settings]\nOption4=1\n") << QByteArray(" Settings ")
                                         << QByteArray("Option4\t") << QByteArray("1");
        QTest::newRow("empty value is no default")
            << QByteArray("[Settings]\nOption4=\n") << s << k << QByteArray("");
        QTest::newRow("blank value") << QByteArray("[Settings]\nOption4=   \n") << s << k << QByteArray("");
        QTest::newRow("value with =")
            << QByteArray("[Settings]\nOption4=a=b\n") << s << k << QByteArray("a=b");
        QTest::newRow("CRLF") << QByteArray("[Settings]\r\nOption4=7\r\n") << s << k << QByteArray("7");
        QTest::newRow("no final newline") << QByteArray("[Settings]\nOption4=7") << s << k << QByteArray("7");
        QTest::newRow("CR at the very end")
            << QByteArray("[Settings]\r\nOption4=7\r") << s << k << QByteArray("7");
        QTest::newRow("CR only") << QByteArray("[Settings]\rOption4=255\r") << s << k << QByteArray("255");
        QTest::newRow("CR only, later section")
            << QByteArray("[A]\rOption4=1\r\r[Settings]\rX=2\rOption4=&HFF") << s << k << QByteArray("&HFF");
        QTest::newRow("CR only, key in other section")
            << QByteArray("[Settings]\rX=1\r[B]\rOption4=2\r") << s << k << grey;
        QTest::newRow("cut to 127") << QByteArray("[Settings]\nOption4=" + longValue + "\n") << s << k
                                    << QByteArray(127, 'x');
        QTest::newRow("127 kept") << QByteArray("[Settings]\nOption4=" + QByteArray(127, 'y')) << s << k
                                  << QByteArray(127, 'y');
        QTest::newRow("key in other section")
            << QByteArray("[Other]\nOption4=1\n[Settings]\n") << s << k << grey;
        QTest::newRow("key before any section") << QByteArray("Option4=1\n[Settings]\n") << s << k << grey;
        QTest::newRow("section without key") << QByteArray("[Settings]\nOption5=1\n") << s << k << grey;
        QTest::newRow("first section counts")
            << QByteArray("[Settings]\nA=1\n[Settings]\nOption4=2\n") << s << k << grey;
        QTest::newRow("first key counts")
            << QByteArray("[Settings]\nOption4=1\nOption4=2\n") << s << k << QByteArray("1");
        QTest::newRow("later section") << QByteArray("[A]\nOption4=1\n\n; note\n[Settings]\nOption4=2\n[B]\n")
                                       << s << k << QByteArray("2");
        QTest::newRow("comment is no key") << QByteArray("[Settings]\n;Option4=1\n") << s << k << grey;
        QTest::newRow("line without =") << QByteArray("[Settings]\nOption4\n") << s << k << grey;
        QTest::newRow("unclosed section") << QByteArray("[Other]\n[Settings\nOption4=1\n") << s << k << grey;
        QTest::newRow("text after section")
            << QByteArray("[Settings] ; colours\nOption4=1\n") << s << k << QByteArray("1");
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBF[Settings]\nOption4=3\n") << s << k << QByteArray("3");
        QTest::newRow("NUL ends value")
            << bytes("[Settings]\nOption4=12\0 34\n") << s << k << QByteArray("12");
        QTest::newRow("binary junk around")
            << bytes("\x01\xff\0\xfe junk\n[\xc3\x28]\n\0=\0\n[Settings]\n\xff\xff\nOption4=9\n\x80\x81") << s
            << k << QByteArray("9");
        QTest::newRow("invalid UTF-8 value")
            << QByteArray("[Settings]\nOption4=\xff\xc3\x28\n") << s << k << QByteArray("\xff\xc3\x28");
        QTest::newRow("long line before")
            << QByteArray(QByteArray(512 * 1024, 'z') + "\n[Settings]\nOption4=5\n") << s << k
            << QByteArray("5");
    }
    void read() {
        QFETCH(QByteArray, contents);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        putFile(contents);
        const std::string value =
            readProfileString(section.toStdString(), key.toStdString(), "&HC0C0C0", kFile);
        QCOMPARE(QByteArray::fromStdString(value), expected);
    }

    void readWithoutFile() {
        QCOMPARE(readOption(), std::string("&HC0C0C0"));
        QCOMPARE(readProfileString("Settings", "Option4", std::string(300, 'd'), kFile),
                 std::string(127, 'd'));
        QVERIFY(!QFile::exists(filePath()));
    }

    void write_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("empty file") << QByteArray() << QByteArray("12632256")
                                    << QByteArray("[Settings]\nOption4=12632256\n");
        QTest::newRow("replace keeps blanks")
            << QByteArray("[Settings]\nOption4 =  1 \t\n") << QByteArray("255")
            << QByteArray("[Settings]\nOption4 =  255 \t\n");
        QTest::newRow("replace keeps case") << QByteArray("[settings]\noption4=1") << QByteArray("255")
                                            << QByteArray("[settings]\noption4=255");
        QTest::newRow("replace empty value") << QByteArray("[Settings]\nOption4=\nX=1\n") << QByteArray("2")
                                             << QByteArray("[Settings]\nOption4=2\nX=1\n");
        QTest::newRow("replace in middle section, CRLF")
            << QByteArray(
                   "; colours\r\n[First]\r\nOption4=1\r\n\r\n[Settings]\r\nA=b\r\nOption4=&HFF\r\nZ=z\r\n\r\n"
                   "[Last]\r\nOption4=3\r\n")
            << QByteArray("65280")
            << QByteArray(
                   "; "
                   "colours\r\n[First]\r\nOption4=1\r\n\r\n[Settings]\r\nA=b\r\nOption4=65280\r\nZ=z\r\n\r\n"
                   "[Last]\r\nOption4=3\r\n");
        QTest::newRow("add key to middle section")
            << QByteArray("[A]\nx=1\n\n[Settings]\nOther=2\n; end of settings\n\n[B]\ny=3\n")
            << QByteArray("7")
            << QByteArray("[A]\nx=1\n\n[Settings]\nOther=2\nOption4=7\n; end of settings\n\n[B]\ny=3\n");
        QTest::newRow("add key after header, CRLF")
            << QByteArray("[Settings]\r\n\r\n[B]\r\n") << QByteArray("7")
            << QByteArray("[Settings]\r\nOption4=7\r\n\r\n[B]\r\n");
        QTest::newRow("add key at open end")
            << QByteArray("[Settings]\nA=1") << QByteArray("7") << QByteArray("[Settings]\nA=1\nOption4=7");
        QTest::newRow("replace before CR at the very end")
            << QByteArray("[Settings]\r\nOption4=1\r") << QByteArray("7")
            << QByteArray("[Settings]\r\nOption4=7\r");
        QTest::newRow("replace, CR only") << QByteArray("[Settings]\rOption4=1\rX=2\r") << QByteArray("255")
                                          << QByteArray("[Settings]\rOption4=255\rX=2\r");
        QTest::newRow("add key, CR only") << QByteArray("[Settings]\rA=1\r\r[B]\r") << QByteArray("7")
                                          << QByteArray("[Settings]\rA=1\rOption4=7\r\r[B]\r");
        QTest::newRow("add key at open end, CR only")
            << QByteArray("[Settings]\rA=1") << QByteArray("7") << QByteArray("[Settings]\rA=1\rOption4=7");
        QTest::newRow("add section, CR only")
            << QByteArray("[A]\rx=1\r") << QByteArray("7") << QByteArray("[A]\rx=1\r[Settings]\rOption4=7\r");
        QTest::newRow("add key before an empty LF line, CR first")
            << QByteArray("[Settings]\rA=1\n\n[B]\n") << QByteArray("7")
            << QByteArray("[Settings]\rA=1\nOption4=7\r\n\n[B]\n");
        QTest::newRow("add key after lone CR at the end")
            << QByteArray("[Settings]\r\nA=1\r") << QByteArray("7")
            << QByteArray("[Settings]\r\nA=1\rOption4=7\r\n");
        QTest::newRow("add section") << QByteArray("[A]\nx=1\n") << QByteArray("7")
                                     << QByteArray("[A]\nx=1\n[Settings]\nOption4=7\n");
        QTest::newRow("add section, CRLF, open end") << QByteArray("[A]\r\nx=1") << QByteArray("7")
                                                     << QByteArray("[A]\r\nx=1\r\n[Settings]\r\nOption4=7");
        QTest::newRow("junk stays") << bytes("\xff\0junk\n[Settings]\nOption4=1\n\x80\0\n") << QByteArray("2")
                                    << bytes("\xff\0junk\n[Settings]\nOption4=2\n\x80\0\n");
        QTest::newRow("byte-order mark stays")
            << QByteArray("\xEF\xBB\xBF[Settings]\nOption4=1\n") << QByteArray("2")
            << QByteArray("\xEF\xBB\xBF[Settings]\nOption4=2\n");
        QTest::newRow("long value") << QByteArray() << QByteArray(300, 'v')
                                    << QByteArray("[Settings]\nOption4=" + QByteArray(300, 'v') + "\n");
    }
    void write() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);
        putFile(before);
        QVERIFY(writeOption(value.toStdString()));
        QCOMPARE(fileContents(), after);
        QCOMPARE(directoryEntries(), QStringList{kFile}); // no temporary file left behind
        QCOMPARE(QByteArray::fromStdString(readOption()), value.left(127));
    }

    void writeCreatesFileAndDirectory() {
        // Folders the write creates are the user's own (0700); a folder that exists keeps its mode.
        const mode_t savedMask = ::umask(022);
        QVERIFY(QFile::setPermissions(config->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                          QFile::ReadGroup | QFile::ExeGroup |
                                                          QFile::ReadOther | QFile::ExeOther));
        const QString nested = config->filePath("a/b");
        qputenv("XDG_CONFIG_HOME", nested.toUtf8());
        const bool written = writeOption("12632256");
        ::umask(savedMask);
        QVERIFY(written);
        QFile file(nested + "/" + kFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Settings]\nOption4=12632256\n"));
        QCOMPARE(modeOf(config->path()), 0755u);
        QCOMPARE(modeOf(config->filePath("a")), 0700u);
        QCOMPARE(modeOf(nested), 0700u);
    }

    // A settings file that is a link is written where the link leads, also when nothing is there yet; the
    // link stays as it was.
    void writeThroughLink_data() {
        QTest::addColumn<QStringList>("links"); // name -> where it leads, in pairs; the first is the file
        QTest::addColumn<QString>("target");    // where the contents land, in the configuration folder
        QTest::addColumn<QByteArray>("before"); // the target's contents, or no target when null
        QTest::addColumn<QByteArray>("after");
        const QByteArray written("[Settings]\nOption4=2\n");
        QTest::newRow("to a file") << QStringList{kFile, "real.ini"} << "real.ini"
                                   << QByteArray("[Settings]\nOption4=1\n") << written;
        QTest::newRow("to nothing yet")
            << QStringList{kFile, "real.ini"} << "real.ini" << QByteArray() << written;
        QTest::newRow("to nothing, absolute")
            << QStringList{kFile, "%config/real.ini"} << "real.ini" << QByteArray() << written;
        QTest::newRow("to nothing in a new folder")
            << QStringList{kFile, "new/deeper/real.ini"} << "new/deeper/real.ini" << QByteArray() << written;
        QTest::newRow("through a second link to nothing")
            << QStringList{kFile, "middle.ini", "middle.ini", "sub/../real.ini"} << "real.ini" << QByteArray()
            << written;
    }
    void writeThroughLink() {
        QFETCH(QStringList, links);
        QFETCH(QString, target);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QVERIFY(QDir(config->path()).mkdir("sub"));
        for (qsizetype i = 0; i + 1 < links.size(); i += 2) {
            const QByteArray to = QFile::encodeName(QString(links[i + 1]).replace("%config", config->path()));
            QCOMPARE(::symlink(to.constData(), QFile::encodeName(config->filePath(links[i])).constData()), 0);
        }
        if (!before.isNull()) {
            QFile file(config->filePath(target));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before);
        }
        QVERIFY(writeOption("2"));
        QCOMPARE(QByteArray::fromStdString(readOption()), QByteArray("2"));
        QVERIFY(QFileInfo(filePath()).isSymLink());
        const QString leadsTo = QString(links[1]).replace("%config", config->path());
        QCOMPARE(QString::fromStdString(std::filesystem::read_symlink(filePath().toStdString()).string()),
                 leadsTo);
        QFile file(config->filePath(target));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), after);
        const QStringList leftOver =
            QDir(QFileInfo(file).absolutePath()).entryList({"*.tmp"}, QDir::Files | QDir::Hidden);
        QCOMPARE(leftOver, QStringList{});
    }

    // A write killed before its rename leaves its temporary file; the next write removes it once its writer
    // cannot be writing it any more, and nothing else. %dead is a process that has ended, %self this one,
    // %live a running one.
    void staleTemporaries_data() {
        QTest::addColumn<QString>("name"); // a name ending in "/" is a folder
        QTest::addColumn<bool>("old");     // last changed long ago
        QTest::addColumn<bool>("removed");
        QTest::newRow("writer ended") << ".orbetta.ini.%dead.0.tmp" << false << true;
        QTest::newRow("this process, no write under way") << ".orbetta.ini.%self.7.tmp" << false << true;
        QTest::newRow("writer running") << ".orbetta.ini.%live.3.tmp" << false << false;
        QTest::newRow("number taken by another process") << ".orbetta.ini.%live.3.tmp" << true << true;
        QTest::newRow("other file's pattern") << ".other.ini.%dead.0.tmp" << true << false;
        QTest::newRow("no leading dot") << "orbetta.ini.%dead.0.tmp" << true << false;
        QTest::newRow("no count") << ".orbetta.ini.%dead.tmp" << true << false;
        QTest::newRow("not a number") << ".orbetta.ini.%dead.x.tmp" << true << false;
        QTest::newRow("more after .tmp") << ".orbetta.ini.%dead.0.tmp.keep" << true << false;
        QTest::newRow("folder of the pattern") << ".orbetta.ini.%dead.0.tmp/" << true << false;
        QTest::newRow("in another folder") << "sub/.orbetta.ini.%dead.0.tmp" << true << false;
    }
    void staleTemporaries() {
        QFETCH(QString, name);
        QFETCH(bool, old);
        QFETCH(bool, removed);
        const pid_t ended = ::fork();
        if (ended == 0) {
            ::_exit(0);
        }
        QVERIFY(ended > 0);
        QCOMPARE(::waitpid(ended, nullptr, 0), ended);
        name.replace("%dead", QString::number(ended))
            .replace("%self", QString::number(::getpid()))
            .replace("%live", QString::number(::getppid()));
        QVERIFY(QDir(config->path()).mkdir("sub"));
        const QString path = config->filePath(name);
        if (name.endsWith('/')) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Settings]\nOption4=");
        }
        if (old) {
            const timeval longAgo[2] = {{946684800, 0}, {946684800, 0}}; // 1 January 2000
            QCOMPARE(::utimes(QFile::encodeName(path).constData(), longAgo), 0);
        }
        putFile("[Settings]\nOption4=1\n");
        QVERIFY(writeOption("2"));
        QCOMPARE(fileContents(), QByteArray("[Settings]\nOption4=2\n"));
        QCOMPARE(QFileInfo::exists(path), !removed);
    }

    void writeRefusesWhatCannotReadBack_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("no section") << QByteArray(" ") << QByteArray("Option4") << QByteArray("1");
        QTest::newRow("no key") << QByteArray("Settings") << QByteArray("") << QByteArray("1");
        QTest::newRow("line break in value")
            << QByteArray("Settings") << QByteArray("Option4") << QByteArray("1\n[Evil]\nx=2");
        QTest::newRow("CR in key") << QByteArray("Settings") << QByteArray("Opt\r4") << QByteArray("1");
        QTest::newRow("NUL in value") << QByteArray("Settings") << QByteArray("Option4") << bytes("1\0002");
        QTest::newRow("bracket in section")
            << QByteArray("Set]tings") << QByteArray("Option4") << QByteArray("1");
        QTest::newRow("= in key") << QByteArray("Settings") << QByteArray("Opt=4") << QByteArray("1");
        QTest::newRow("comment key") << QByteArray("Settings") << QByteArray(";Option4") << QByteArray("1");
    }
    void writeRefusesWhatCannotReadBack() {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        const QByteArray before("[Settings]\nOption4=1\n");
        putFile(before);
        QVERIFY(!writeProfileString(section.toStdString(), key.toStdString(), value.toStdString(), kFile));
        QCOMPARE(fileContents(), before);
    }

    // Whatever stands where the file should be, reading gives the default, a write fails, and nothing is
    // changed or left behind.
    void unusableFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory") << "directory";
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("too large") << "too large";
        QTest::newRow("megabyte line") << "megabyte line";
        QTest::newRow("link to itself") << "link to itself";
    }
    void unusableFile() {
        QFETCH(QString, kind);
        QByteArray contents;
        if (kind == "directory") {
            QVERIFY(QDir(config->path()).mkdir(kFile));
        } else if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(filePath()).constData(), 0600), 0);
        } else if (kind == "link to itself") {
            QVERIFY(QFile::link(kFile, filePath()));
        } else {
            contents = kind == "too large"
                           ? "[Settings]\nOption4=255\n" + QByteArray(kMaxSettingsFileSize, ';')
                           : QByteArray(3 << 20, 'j') + "\n[Settings]\nOption4=255\n";
            putFile(contents);
        }
        QCOMPARE(readOption(), std::string("&HC0C0C0"));
        QVERIFY(!writeOption("1"));
        QCOMPARE(directoryEntries(), QStringList{kFile});
        if (!contents.isEmpty()) {
            QVERIFY(fileContents() == contents);
        }
    }

    void unwritableConfigDirectory() {
        // A configuration "directory" that is a file cannot hold the settings file, not even for root.
        putFile("not a directory");
        qputenv("XDG_CONFIG_HOME", filePath().toUtf8());
        QCOMPARE(readOption(), std::string("&HC0C0C0"));
        QVERIFY(!writeOption("1"));
    }

    void readOnlyDirectoryKeepsOldFile() {
        putFile("[Settings]\nOption4=1\n");
        QVERIFY(QFile::setPermissions(config->path(), QFile::ReadOwner | QFile::ExeOwner));
        if (!config->permissionsApply()) {
            QSKIP("directory permissions do not bind this user");
        }
        QVERIFY(!writeOption("2"));
        QCOMPARE(fileContents(), QByteArray("[Settings]\nOption4=1\n"));
        QCOMPARE(directoryEntries(), QStringList{kFile});
    }

    void readOnlyFileStays() {
        putFile("[Settings]\nOption4=1\n");
        QVERIFY(QFile::setPermissions(filePath(), QFile::ReadOwner));
        if (::access(QFile::encodeName(filePath()).constData(), W_OK) == 0) {
            QSKIP("file permissions do not bind this user");
        }
        QVERIFY(!writeOption("2"));
        QCOMPARE(fileContents(), QByteArray("[Settings]\nOption4=1\n"));
    }

    void unreadableFileIsNotReplaced() {
        putFile("[Settings]\nOption4=1\n");
        QVERIFY(QFile::setPermissions(filePath(), QFile::WriteOwner));
        QFile probe(filePath());
        if (probe.open(QIODevice::ReadOnly)) {
            QSKIP("file permissions do not bind this user");
        }
        QCOMPARE(readOption(), std::string("&HC0C0C0"));
        QVERIFY(!writeOption("2"));
        QVERIFY(QFile::setPermissions(filePath(), QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(fileContents(), QByteArray("[Settings]\nOption4=1\n"));
    }

    void fullDiskKeepsOldFile() {
        // A file size limit makes the write of the new contents fail halfway, as a full disk would.
        const QByteArray before("[Settings]\nOption4=1\n");
        putFile(before);
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 24;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written = writeOption(std::string(100, '9'));
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!written);
        QCOMPARE(fileContents(), before);
        QCOMPARE(directoryEntries(), QStringList{kFile});
    }

    void permissionsAndLinksKept() {
        const QString target = config->filePath("real.ini");
        {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Settings]\nOption4=1\n");
        }
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(QFile::link("real.ini", filePath()));
        QVERIFY(writeOption("2"));
        QVERIFY(QFileInfo(filePath()).isSymLink());
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Settings]\nOption4=2\n"));
        QCOMPARE(file.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup),
                 QFile::Permissions(QFile::ReadGroup));
    }
};

QTEST_APPLESS_MAIN(SettingsFileTest)
#include "settings_file_test.moc"
