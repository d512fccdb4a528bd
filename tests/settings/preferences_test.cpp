#include "settings/preferences.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace orbetta;

class Module2Test : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> config;

private slots:
    void init() {
        config = std::make_unique<QTemporaryDir>();
        QVERIFY(config->isValid());
        qputenv("XDG_CONFIG_HOME", config->path().toUtf8());
    }
    void cleanup() { config.reset(); }

    void colourFromSetting_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("colour");
        const uint grey = 12632256;
        QTest::newRow("default hex") << "&HC0C0C0" << grey;
        QTest::newRow("hex red") << "&HFF" << 255u;
        QTest::newRow("lower-case digits") << "&Hff00" << 65280u;
        QTest::newRow("lower-case prefix") << "&hFF" << 255u;
        QTest::newRow("leading zeros") << "&H00000000FF" << 255u;
        QTest::newRow("decimal red") << "255" << 255u;
        QTest::newRow("decimal blue") << "16711680" << 16711680u;
        QTest::newRow("white") << "16777215" << 16777215u;
        QTest::newRow("black") << "0" << 0u;
        QTest::newRow("minus zero") << "-0" << 0u;
        QTest::newRow("blanks around") << " \t255  " << 255u;
        QTest::newRow("empty") << "" << grey;
        QTest::newRow("blank") << "   " << grey;
        QTest::newRow("words") << "red" << grey;
        QTest::newRow("trailing junk") << "255x" << grey;
        QTest::newRow("inner blank") << "2 55" << grey;
        QTest::newRow("plus sign") << "+255" << grey;
        QTest::newRow("fraction") << "255.0" << grey;
        QTest::newRow("prefix alone") << "&H" << grey;
        QTest::newRow("bad hex digit") << "&HFG" << grey;
        QTest::newRow("signed hex") << "&H-FF" << grey;
        QTest::newRow("negative") << "-1" << grey;
        QTest::newRow("top byte set") << "16777216" << grey;
        QTest::newRow("hex top byte set") << "&H1000000" << grey;
        QTest::newRow("hex all ones is -1") << "&HFFFFFFFF" << grey;
        QTest::newRow("beyond 32 bits") << "4294967296" << grey;
        QTest::newRow("hex beyond 32 bits") << "&H100000000" << grey;
        QTest::newRow("huge") << QString(400, '9') << grey;
    }
    void colourFromSetting() {
        QFETCH(QString, text);
        QFETCH(uint, colour);
        QCOMPARE(preferences::colourFromSetting(text.toStdString()), colour);
    }

    void colourToSetting_data() {
        QTest::addColumn<uint>("colour");
        QTest::addColumn<QString>("text");
        QTest::newRow("grey") << 12632256u << "12632256";
        QTest::newRow("red") << 255u << "255";
        QTest::newRow("black") << 0u << "0";
    }
    void colourToSetting() {
        QFETCH(uint, colour);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(preferences::colourToSetting(colour)), text);
        QCOMPARE(preferences::colourFromSetting(preferences::colourToSetting(colour)), colour);
    }

    void firstStartThenOffKey() {
        preferences::readColourSetting();
        QCOMPARE(preferences::colourSetting, std::string("12632256"));
        QCOMPARE(preferences::colourFromSetting(preferences::colourSetting), 12632256u);

        preferences::writeColourSetting();
        QFile file(config->filePath("orbetta.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Settings]\nOption4=12632256\n"));
    }

    void chosenColourSurvives() {
        preferences::writeSetting("Settings", "Option4", "255", "orbetta.ini");
        const std::string text = preferences::readSetting("Settings", "Option4", "&HC0C0C0", "orbetta.ini");
        QCOMPARE(preferences::colourFromSetting(text), 255u);
    }

    // Keeping the tape is on unless the key says "0"; writing it keeps every other line as it stands.
    void keepTapeKeepsOtherLines() {
        QVERIFY(preferences::readKeepTape());
        QFile file(config->filePath("orbetta.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("; mine\n[Settings]\nOption4=255\n[Other]\nx=1\n");
        file.close();
        preferences::writeKeepTape(false);
        QVERIFY(!preferences::readKeepTape());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("; mine\n[Settings]\nOption4=255\nKeepTape=0\n[Other]\nx=1\n"));
        file.close();
        preferences::writeKeepTape(true);
        QVERIFY(preferences::readKeepTape());
    }

    void failedWriteIsSilent() {
        QVERIFY(QDir(config->path()).mkdir("orbetta.ini"));
        preferences::writeSetting("Settings", "Option4", "255", "orbetta.ini");
        QCOMPARE(preferences::readSetting("Settings", "Option4", "&HC0C0C0", "orbetta.ini"),
                 std::string("&HC0C0C0"));
    }
};

QTEST_APPLESS_MAIN(Module2Test)
#include "preferences_test.moc"
