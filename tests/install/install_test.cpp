// Installs the built program into a scratch prefix and checks what a desktop and a package manager would see:
// every file in its place and nothing more, the desktop entry and AppStream data accepted by their
// validators, the theme icons drawn by the program, the help file found from the installed program, the
// manual page and changelog compressed reproducibly, the installed program's start without a display, and the
// Debian package with its dependencies and lintian's verdict.
#include "look/pictures.h"
#include "ui/help.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kBuildDir = QStringLiteral(ORBETTA_BUILD_DIR);
const QString kAppId = QStringLiteral("org.orbetta.Orbetta");

// Everything an installation holds, relative to its prefix.
const QStringList& installedFiles() {
    static const QStringList files{
        "bin/orbetta",
        "share/orbetta/Orbetta.hlp",
        "share/orbetta/translations/orbetta_de.qm",
        "share/orbetta/translations/orbetta_es.qm",
        "share/orbetta/translations/orbetta_fr.qm",
        "share/orbetta/translations/orbetta_it.qm",
        "share/orbetta/translations/orbetta_pl.qm",
        "share/orbetta/translations/orbetta_pt_BR.qm",
        "share/orbetta/translations/orbetta_ru.qm",
        "share/orbetta/translations/orbetta_zh_CN.qm",
        "share/applications/org.orbetta.Orbetta.desktop",
        "share/metainfo/org.orbetta.Orbetta.metainfo.xml",
        "share/icons/hicolor/16x16/apps/org.orbetta.Orbetta.png",
        "share/icons/hicolor/32x32/apps/org.orbetta.Orbetta.png",
        "share/icons/hicolor/scalable/apps/org.orbetta.Orbetta.svg",
        "share/man/man1/orbetta.1.gz",
        "share/doc/orbetta/copyright",
        "share/doc/orbetta/changelog.gz",
    };
    static const QStringList withTranslated = [] {
        QStringList all = files;
        // The help file and the manual page in each language they have been translated into.
        const QDir share(QStringLiteral(ORBETTA_SOURCE_DIR "/share"));
        for (const QString& help : share.entryList({"Orbetta_*.hlp"}, QDir::Files))
            all << "share/orbetta/" + help;
        for (const QString& language :
             QDir(share.filePath("man")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (QFileInfo::exists(share.filePath("man/" + language + "/orbetta.1")))
                all << "share/man/" + language + "/man1/orbetta.1.gz";
        return all;
    }();
    return withTranslated;
}

const QString kLicence = QStringLiteral("GPL-3.0-or-later");

struct Run {
    bool finished = false; // ended by itself, not by a signal
    int exitCode = -1;
    QString output; // standard output, with standard error unless asked apart
    QString errors;
};

enum class Channels { Merged, Apart };

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
        Channels channels = Channels::Merged, const QString& folder = {}) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(channels == Channels::Merged ? QProcess::MergedChannels
                                                               : QProcess::SeparateChannels);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    result.finished = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (channels == Channels::Apart)
        result.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QString describe(const QString& program, const Run& result) {
    return QStringLiteral("%1 ended with %2:\n%3").arg(program).arg(result.exitCode).arg(result.output);
}

QSet<QString> filesUnder(const QString& root) {
    QSet<QString> files;
    const QDir base(root);
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(base.relativeFilePath(it.next()));
    return files;
}

// The keys of the [Desktop Entry] group of a desktop entry file.
QMap<QString, QString> desktopEntry(const QString& path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inMainGroup = false;
    for (const QByteArray& rawLine : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith('['))
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.contains('=') && !line.startsWith('#'))
            keys.insert(line.section('=', 0, 0).trimmed(), line.section('=', 1).trimmed());
    }
    return keys;
}

// The component id, launchable, provided binary and newest release of an AppStream file.
QMap<QString, QString> metainfo(const QString& path) {
    QMap<QString, QString> found;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (name == QLatin1String("release") && !found.contains("release"))
            found.insert("release", xml.attributes().value("version").toString());
        else if (name == QLatin1String("id") || name == QLatin1String("launchable") ||
                 name == QLatin1String("binary") || name == QLatin1String("project_license"))
            found.insert(name, xml.readElementText().trimmed());
    }
    if (xml.hasError())
        found.insert("error", xml.errorString());
    return found;
}

// The value of a field in the first paragraph of a machine-readable copyright file that has it.
QString copyrightField(const QString& path, const QString& field) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith((field + ':').toUtf8()))
            return QString::fromUtf8(line.mid(field.size() + 1)).trimmed();
    }
    return {};
}

// An environment for the installed program in which Qt finds no window system, unless a row adds one.
QProcessEnvironment withoutDisplay(const QString& configHome) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE",
                             "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "QT_DEBUG_PLUGINS"})
        environment.remove(name);
    environment.insert("XDG_CONFIG_HOME", configHome);
    return environment;
}

// An X display name that no server holds.
QString freeXDisplay() {
    for (int number = 170;; ++number) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) &&
            !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            return QStringLiteral(":%1").arg(number);
    }
}

} // namespace

class InstallTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void everyFileInItsPlace();
    void validatorsAccept_data();
    void validatorsAccept();
    void entriesAgree_data();
    void entriesAgree();
    void themeIconsAreTheProgramsIcon_data();
    void themeIconsAreTheProgramsIcon();
    void scalableIconIsSquareSvg();
    void helpFileFound_data();
    void helpFileFound();
    void compressedReproducibly_data();
    void compressedReproducibly();
    void withoutDisplayOneLine_data();
    void withoutDisplayOneLine();
    void answersWithoutWindow_data();
    void answersWithoutWindow();
    void startsWhereAPlatformWorks();

    void debianPackageFiles();
    void debianPackageRelations_data();
    void debianPackageRelations();
    void lintianFindsNoFault();

private:
    QString installed(const QString& relative) const { return QDir(prefix_).filePath(relative); }
    bool buildPackage(QString* failure);

    QTemporaryDir scratch_;
    QString prefix_;
    QString package_;
    QString packageFailure_;
};

void InstallTest::initTestCase() {
    QVERIFY(scratch_.isValid());
    // A prefix with a space in it: nothing may depend on the prefix being /usr or on unquoted paths.
    prefix_ = scratch_.filePath("install root");
    const Run install = run(ORBETTA_CMAKE, {"--install", kBuildDir, "--prefix", prefix_});
    QVERIFY2(install.finished && install.exitCode == 0, qPrintable(describe("cmake --install", install)));
}

void InstallTest::everyFileInItsPlace() {
    const QSet<QString> expected(installedFiles().begin(), installedFiles().end());
    QCOMPARE(filesUnder(prefix_), expected);
    QVERIFY(QFileInfo(installed("bin/orbetta")).isExecutable());
    for (const QString& file : installedFiles().mid(1))
        QVERIFY2(QFileInfo(installed(file)).size() > 0, qPrintable(file));
}

void InstallTest::validatorsAccept_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList{}
                                   << "share/applications/org.orbetta.Orbetta.desktop";
    QTest::newRow("AppStream data") << "appstreamcli" << QStringList{"validate", "--no-net"}
                                    << "share/metainfo/org.orbetta.Orbetta.metainfo.xml";
}

void InstallTest::validatorsAccept() {
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);

    const QString program = QStandardPaths::findExecutable(tool);
    QVERIFY2(!program.isEmpty(), qPrintable(tool + " is not installed (scripts/install-deps installs it)"));
    const Run check = run(program, arguments << installed(file));
    QVERIFY2(check.finished && check.exitCode == 0, qPrintable(describe(tool, check)));
    // Warnings do not change desktop-file-validate's exit status, so they are looked for in its report.
    QVERIFY2(!check.output.contains("error", Qt::CaseInsensitive) &&
                 !check.output.contains("warning", Qt::CaseInsensitive),
             qPrintable(describe(tool, check)));
}

void InstallTest::entriesAgree_data() {
    const auto entry = desktopEntry(installed("share/applications/org.orbetta.Orbetta.desktop"));
    const auto component = metainfo(installed("share/metainfo/org.orbetta.Orbetta.metainfo.xml"));
    const QString binary = QFileInfo(installed("bin/orbetta")).fileName();

    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("entry name") << entry.value("Name") << "Orbetta";
    QTest::newRow("entry comment") << entry.value("Comment") << "Scientific calculator";
    QTest::newRow("entry starts the installed program") << entry.value("Exec").section(' ', 0, 0) << binary;
    QTest::newRow("entry names the theme icon") << entry.value("Icon") << kAppId;
    QTest::newRow("entry is a calculator")
        << (entry.value("Categories").split(';').contains("Calculator") ? "yes" : "no") << "yes";
    QTest::newRow("AppStream well formed") << component.value("error") << "";
    QTest::newRow("AppStream id") << component.value("id") << kAppId;
    QTest::newRow("AppStream launches the entry") << component.value("launchable") << kAppId + ".desktop";
    QTest::newRow("AppStream provides the program") << component.value("binary") << binary;
    QTest::newRow("AppStream newest release") << component.value("release") << ORBETTA_VERSION;
    QTest::newRow("AppStream project licence") << component.value("project_license") << kLicence;
    QTest::newRow("copyright machine-readable")
        << copyrightField(installed("share/doc/orbetta/copyright"), "Format")
        << "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/";
    QTest::newRow("copyright licence")
        << copyrightField(installed("share/doc/orbetta/copyright"), "License") << kLicence;
}

void InstallTest::entriesAgree() {
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(value, expected);
}

void InstallTest::themeIconsAreTheProgramsIcon_data() {
    QTest::addColumn<int>("side");
    QTest::newRow("16") << 16;
    QTest::newRow("32") << 32;
}

void InstallTest::themeIconsAreTheProgramsIcon() {
    QFETCH(int, side);
    const QString file =
        installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/org.orbetta.Orbetta.png").arg(side));
    const QImage image(file, "PNG");
    QVERIFY2(!image.isNull(), qPrintable(file));
    QCOMPARE(image.size(), QSize(side, side));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);

    const QImage drawn = orbetta::look::applicationIcon().pixmap(QSize(side, side), 1.0).toImage();
    QCOMPARE(image.convertToFormat(QImage::Format_ARGB32), drawn.convertToFormat(QImage::Format_ARGB32));
}

void InstallTest::scalableIconIsSquareSvg() {
    QFile file(installed("share/icons/hicolor/scalable/apps/org.orbetta.Orbetta.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
    QCOMPARE(xml.namespaceUri().toString(), QStringLiteral("http://www.w3.org/2000/svg"));
    const QStringList box = xml.attributes().value("viewBox").toString().split(' ', Qt::SkipEmptyParts);
    QCOMPARE(box.size(), 4);
    QCOMPARE(box[2], box[3]);
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void InstallTest::helpFileFound_data() {
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("installed program") << installed("bin") << installed("share/orbetta/Orbetta.hlp");
    QTest::newRow("program in the build tree") << kBuildDir << QDir(kBuildDir).filePath("Orbetta.hlp");
}

void InstallTest::helpFileFound() {
    QFETCH(QString, programDir);
    QFETCH(QString, helpFile);
    QVERIFY2(QFileInfo::exists(helpFile), qPrintable(helpFile));
    QCOMPARE(findHelpFile(programDir), QFileInfo(helpFile).canonicalFilePath());
}

void InstallTest::compressedReproducibly_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("firstLine"); // a part of it
    QTest::newRow("manual page") << "share/man/man1/orbetta.1.gz"
                                 << QStringLiteral("\"Orbetta %1\"").arg(ORBETTA_VERSION);
    QTest::newRow("changelog") << "share/doc/orbetta/changelog.gz"
                               << QStringLiteral("orbetta (%1) ").arg(ORBETTA_VERSION);
}

// gzip's header holds no file name and no time, so the same sources give the same package, and says the
// strongest compression was used.
void InstallTest::compressedReproducibly() {
    QFETCH(QString, file);
    QFETCH(QString, firstLine);
    QFile compressed(installed(file));
    QVERIFY(compressed.open(QIODevice::ReadOnly));
    const QByteArray header = compressed.read(10);
    QCOMPARE(header.size(), 10);
    QCOMPARE(header.left(3), QByteArray("\x1f\x8b\x08"));
    const char fileNameFlag = 0x08;
    QCOMPARE(header[3] & fileNameFlag, 0);
    QCOMPARE(header.mid(4, 4), QByteArray(4, '\0'));
    const char strongest = 2;
    QCOMPARE(header[8], strongest);

    const Run text =
        run("gzip", {"-dc", installed(file)}, QProcessEnvironment::systemEnvironment(), Channels::Apart);
    QVERIFY2(text.finished && text.exitCode == 0, qPrintable(describe("gzip", text)));
    QVERIFY2(text.output.section('\n', 0, 0).contains(firstLine), qPrintable(text.output.left(200)));
}

void InstallTest::withoutDisplayOneLine_data() {
    QTest::addColumn<QStringList>("variables"); // NAME=value pairs added to an environment without a display
    QTest::addColumn<QString>("reason");        // the part of the line that says what was missing
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("hint"); // the command the line offers, which must start this very program
    const QString runtime = scratch_.filePath("runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString display = freeXDisplay();
    const QString program = installed("bin/orbetta");
    const QString byPath = "xvfb-run -a '" + program + "'"; // the prefix has a space in it
    const QString inCheckout = QDir(kBuildDir).filePath("orbetta");

    QTest::newRow("nothing set") << QStringList{} << "no display is set" << program << byPath;
    QTest::newRow("DISPLAY with no server")
        << QStringList{"DISPLAY=" + display} << "no X server answers at DISPLAY=" + display << program
        << byPath;
    QTest::newRow("WAYLAND_DISPLAY with no compositor")
        << QStringList{"XDG_RUNTIME_DIR=" + runtime, "WAYLAND_DISPLAY=orbetta-none",
                       "XDG_SESSION_TYPE=wayland"}
        << "no Wayland compositor answers at WAYLAND_DISPLAY=orbetta-none" << program << byPath;
    QTest::newRow("QT_QPA_PLATFORM names a missing plugin")
        << QStringList{"QT_QPA_PLATFORM=orbetta-none"} << "Qt has no platform plugin \"orbetta-none\""
        << program << byPath;
    QTest::newRow("installed where the search path finds it")
        << QStringList{"PATH=" + installed("bin") + ":/usr/bin:/bin"} << "no display is set" << program
        << "xvfb-run -a orbetta";
    // Started from the folder that holds the build folder, as `make run` does in a checkout.
    QTest::newRow("build folder of a checkout")
        << QStringList{} << "no display is set" << inCheckout
        << "xvfb-run -a " + QFileInfo(kBuildDir).fileName() + "/orbetta";
}

// The installed program says in one line why it shows nothing and what to do, and ends with status 1 instead
// of Qt's abort.
void InstallTest::withoutDisplayOneLine() {
    QFETCH(QStringList, variables);
    QFETCH(QString, reason);
    QFETCH(QString, program);
    QFETCH(QString, hint);
    QProcessEnvironment environment = withoutDisplay(scratch_.filePath("config"));
    for (const QString& variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));

    const Run start = run(program, {}, environment, Channels::Apart, QFileInfo(kBuildDir).absolutePath());
    const QString account = describe("orbetta", start) + start.errors;
    QVERIFY2(start.finished, qPrintable(account));
    QCOMPARE(start.exitCode, 1);
    QCOMPARE(start.output, QString());
    QVERIFY2(start.errors.endsWith('\n') && start.errors.count('\n') == 1, qPrintable(account));
    QVERIFY2(start.errors.startsWith("orbetta: cannot open a window: " + reason), qPrintable(account));
    QVERIFY2(start.errors.contains(" as " + hint + " for a virtual screen"), qPrintable(account));
}

void InstallTest::answersWithoutWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("answer"); // the start of standard output
    QTest::addColumn<QString>("errors"); // on standard error, after any warning of Qt's
    const QString usage = "Usage: orbetta [option]\n";
    QTest::newRow("version") << QStringList{"--version"} << 0
                             << QStringLiteral("Orbetta %1\n").arg(ORBETTA_VERSION) << QString();
    QTest::newRow("help") << QStringList{"--help"} << 0 << usage << QString();
    // The rest are told once Qt has taken its own options, on a virtual screen.
    QTest::newRow("unknown option") << QStringList{"-platform", "offscreen", "--bogus"} << 2 << QString()
                                    << "orbetta: unknown option --bogus\n" + usage;
    QTest::newRow("a word") << QStringList{"-platform", "offscreen", "-style", "Fusion", "extra"} << 2
                            << QString() << "orbetta: unknown option extra\n" + usage;
}

// Both are answered without a display, where opening a window would fail; an argument the program does not
// take is named, with the usage, and nothing opens.
void InstallTest::answersWithoutWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, answer);
    QFETCH(QString, errors);
    const Run start = run(installed("bin/orbetta"), arguments, withoutDisplay(scratch_.filePath("config")),
                          Channels::Apart);
    const QString account = describe("orbetta " + arguments.join(' '), start) + start.errors;
    QVERIFY2(start.finished && start.exitCode == status, qPrintable(account));
    QVERIFY2(start.output.startsWith(answer) && start.errors.contains(errors), qPrintable(account));
    if (errors.isEmpty())
        QVERIFY2(start.errors.isEmpty(), qPrintable(account));
    else
        QVERIFY2(start.errors.endsWith("man orbetta\n"), qPrintable(account)); // the whole usage
}

// Where Qt reaches a window system after trying one that is missing, the program runs as before and Qt's
// own warning still reaches standard error.
void InstallTest::startsWhereAPlatformWorks() {
    QProcessEnvironment environment = withoutDisplay(scratch_.filePath("config"));
    environment.insert("QT_QPA_PLATFORM", "orbetta-none;offscreen");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(installed("bin/orbetta"), {});
    QVERIFY(program.waitForStarted());
    QString errors;
    const QString warning = QStringLiteral("Could not find the Qt platform plugin \"orbetta-none\"");
    QTRY_VERIFY_WITH_TIMEOUT(
        (errors += QString::fromLocal8Bit(program.readAllStandardError())).contains(warning) ||
            program.state() == QProcess::NotRunning,
        60000);
    QVERIFY2(errors.contains(warning), qPrintable(errors));
    QVERIFY2(!errors.contains("cannot open a window"), qPrintable(errors));
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    QVERIFY(program.waitForFinished());
}

// Builds the Debian package once, from the same build, into the scratch folder.
bool InstallTest::buildPackage(QString* failure) {
    if (package_.isEmpty() && packageFailure_.isEmpty()) {
        const QString folder = scratch_.filePath("package");
        const Run cpack = run(ORBETTA_CPACK, {"--config", QDir(kBuildDir).filePath("CPackConfig.cmake"), "-G",
                                              "DEB", "-B", folder});
        const Run arch = run("dpkg", {"--print-architecture"});
        const QString name = QStringLiteral("orbetta_%1_%2.deb").arg(ORBETTA_VERSION, arch.output.trimmed());
        if (!cpack.finished || cpack.exitCode != 0)
            packageFailure_ = describe("cpack", cpack);
        else if (!QFileInfo::exists(QDir(folder).filePath(name)))
            packageFailure_ = "cpack wrote no " + name + ":\n" + cpack.output;
        else
            package_ = QDir(folder).filePath(name);
    }
    *failure = packageFailure_;
    return !package_.isEmpty();
}

void InstallTest::debianPackageFiles() {
    QString failure;
    QVERIFY2(buildPackage(&failure), qPrintable(failure));
    const Run contents = run("dpkg-deb", {"--contents", package_});
    QVERIFY2(contents.finished && contents.exitCode == 0, qPrintable(describe("dpkg-deb", contents)));

    QSet<QString> files;
    for (const QString& line : contents.output.split('\n', Qt::SkipEmptyParts)) {
        const QString path = line.section(' ', -1);
        QVERIFY2(path.startsWith("./usr/"), qPrintable(line));
        if (!line.startsWith('d'))
            files.insert(path.mid(QStringLiteral("./usr/").size()));
    }
    const QSet<QString> expected(installedFiles().begin(), installedFiles().end());
    QCOMPARE(files, expected);

    // Owned by root and readable by all, as a package's files must be whoever built it.
    for (const QString& line : contents.output.split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        QVERIFY2(fields.size() >= 6, qPrintable(line));
        QVERIFY2(fields[1] == QLatin1String("root/root"), qPrintable(line));
        const QString mode =
            line.startsWith('d') || line.endsWith("/bin/orbetta") ? "rwxr-xr-x" : "rw-r--r--";
        QVERIFY2(fields[0].mid(1) == mode, qPrintable(line));
    }
}

void InstallTest::debianPackageRelations_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("package");
    QTest::addColumn<bool>("named");
    // Computed from the program's libraries; libqt6gui6 holds the X11 platform plugin too.
    QTest::newRow("C library") << "Depends"
                               << "libc6" << true;
    QTest::newRow("C++ library") << "Depends"
                                 << "libstdc++6" << true;
    QTest::newRow("Qt core") << "Depends"
                             << "libqt6core6" << true;
    QTest::newRow("Qt gui") << "Depends"
                            << "libqt6gui6" << true;
    QTest::newRow("Qt widgets") << "Depends"
                                << "libqt6widgets6" << true;
    // Loaded at run time, so named by hand.
    QTest::newRow("the bell's sound") << "Depends"
                                      << "libcanberra0" << true;
    QTest::newRow("Wayland platform plugin") << "Recommends"
                                             << "qt6-wayland" << true;
    // Without them the About text and "random #" no longer fit their places.
    QTest::newRow("the fonts of the layout") << "Depends"
                                             << "fonts-liberation" << true;
    QTest::newRow("the bell's sound theme") << "Recommends"
                                            << "sound-theme-freedesktop" << true;
    QTest::newRow("Qt's own words in the user's language") << "Recommends"
                                                           << "qt6-translations-l10n" << true;
    QTest::newRow("Chinese characters") << "Recommends"
                                        << "fonts-wqy-microhei" << true;
    QTest::newRow("no VNC-only plugin package") << "Depends"
                                                << "qt6-qpa-plugins" << false;
}

void InstallTest::debianPackageRelations() {
    QFETCH(QString, field);
    QFETCH(QString, package);
    QFETCH(bool, named);
    QString failure;
    QVERIFY2(buildPackage(&failure), qPrintable(failure));
    const Run value = run("dpkg-deb", {"--field", package_, field});
    QVERIFY2(value.finished && value.exitCode == 0, qPrintable(describe("dpkg-deb", value)));
    QStringList names;
    for (const QString& relation : value.output.split(',', Qt::SkipEmptyParts))
        names << relation.trimmed().section(' ', 0, 0);
    QVERIFY2(names.contains(package) == named, qPrintable(field + ": " + value.output));
}

// No error and no warning; what lintian only informs about is printed with the test's output.
void InstallTest::lintianFindsNoFault() {
    const QString lintian = QStandardPaths::findExecutable("lintian");
    if (lintian.isEmpty())
        QSKIP("lintian is not installed (scripts/install-deps --test installs it)");
    QString failure;
    QVERIFY2(buildPackage(&failure), qPrintable(failure));
    const Run check = run(lintian, {"--pedantic", "--display-info", package_});
    QVERIFY2(check.finished, qPrintable(describe("lintian", check)));
    QStringList faults;
    for (const QString& line : check.output.split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith("E: ") || line.startsWith("W: "))
            faults << line;
        else if (line.contains(": "))
            qInfo("lintian: %s", qPrintable(line));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(describe("lintian", check)));
    QCOMPARE(check.exitCode, 0);
}

QTEST_MAIN(InstallTest)
#include "install_test.moc"
