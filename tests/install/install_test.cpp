// Installs the built program into a scratch prefix and checks what a desktop and a package manager would see:
// every file in its place and nothing more, the desktop entry and AppStream data accepted by their
// validators, the theme icons drawn by the program, the help file found from the installed program, and the
// Debian package.
#include "shell/help.h"
#include "ui/pictures.h"

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
        "share/applications/org.orbetta.Orbetta.desktop",
        "share/metainfo/org.orbetta.Orbetta.metainfo.xml",
        "share/icons/hicolor/16x16/apps/org.orbetta.Orbetta.png",
        "share/icons/hicolor/32x32/apps/org.orbetta.Orbetta.png",
        "share/icons/hicolor/scalable/apps/org.orbetta.Orbetta.svg",
    };
    return files;
}

struct Run {
    bool finished = false;
    int exitCode = -1;
    QString output; // standard output and standard error together
};

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    result.finished = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAll());
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
                 name == QLatin1String("binary"))
            found.insert(name, xml.readElementText().trimmed());
    }
    if (xml.hasError())
        found.insert("error", xml.errorString());
    return found;
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

    void debianPackageFiles();
    void debianPackageDepends_data();
    void debianPackageDepends();

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

    const QImage drawn = orbetta::ui::applicationIcon().pixmap(QSize(side, side), 1.0).toImage();
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
}

void InstallTest::debianPackageDepends_data() {
    QTest::addColumn<QString>("package");
    // Computed from the program's libraries.
    QTest::newRow("C library") << "libc6";
    QTest::newRow("C++ library") << "libstdc++6";
    QTest::newRow("Qt core") << "libqt6core6";
    QTest::newRow("Qt gui") << "libqt6gui6";
    QTest::newRow("Qt widgets") << "libqt6widgets6";
    // Loaded at run time, so named by hand.
    QTest::newRow("platform plugins") << "qt6-qpa-plugins";
}

void InstallTest::debianPackageDepends() {
    QFETCH(QString, package);
    QString failure;
    QVERIFY2(buildPackage(&failure), qPrintable(failure));
    const Run field = run("dpkg-deb", {"--field", package_, "Depends"});
    QVERIFY2(field.finished && field.exitCode == 0, qPrintable(describe("dpkg-deb", field)));
    QStringList names;
    for (const QString& dependency : field.output.split(',', Qt::SkipEmptyParts))
        names << dependency.trimmed().section(' ', 0, 0);
    QVERIFY2(names.contains(package), qPrintable(field.output));
}

QTEST_MAIN(InstallTest)
#include "install_test.moc"
