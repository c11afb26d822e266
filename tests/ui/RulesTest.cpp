// The small rules of the window: the error boxes' title, their text, the layout's scaling and
// the Start button's glyph.
#include "ui/ApplicationTitle.h"
#include "ui/ButtonGlyph.h"
#include "ui/ErrorBoxText.h"
#include "ui/LayoutScale.h"

#include <QtTest>

class RulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void titleComesFromProgramName_data();
    void titleComesFromProgramName();
    void errorTextEndsWithFullStop_data();
    void errorTextEndsWithFullStop();
    void lengthsScaleWithDigitHeight_data();
    void lengthsScaleWithDigitHeight();
    void glyphBackgroundIsTransparent();
};

void RulesTest::titleComesFromProgramName_data() {
    QTest::addColumn<QString>("programPath");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain") << "/usr/bin/subnetcalc"
                           << "subnetcalc";
    QTest::newRow("cut at first dot") << "/opt/x/Sub.Net"
                                      << "Sub";
    QTest::newRow("later letters lowered") << "ABC"
                                           << "Abc";
    QTest::newRow("windows program") << "C:/Program Files/Sorvan/SubnetCalc.exe"
                                     << "Subnetcalc";
    QTest::newRow("two dots") << "/a/IPCalc.tar.gz"
                              << "Ipcalc";
    QTest::newRow("dotted folder") << "/home/x.y/Tool"
                                   << "Tool";
    QTest::newRow("first kept as is") << "/bin/sUBNET"
                                      << "subnet";
    QTest::newRow("starts with dot") << "/bin/.hidden"
                                     << "";
    QTest::newRow("non-ascii") << QString::fromUtf8("/bin/ÉCLAIR") << QString::fromUtf8("Éclair");
    QTest::newRow("empty") << ""
                           << "";
}

void RulesTest::titleComesFromProgramName() {
    QFETCH(QString, programPath);
    QFETCH(QString, title);
    QCOMPARE(ApplicationTitle(programPath), title);
}

void RulesTest::errorTextEndsWithFullStop_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "'abc' is not a valid integer value"
                            << "'abc' is not a valid integer value.";
    QTest::newRow("digit") << "error 5"
                           << "error 5.";
    QTest::newRow("quote sorts before dot") << "'5/24'"
                                            << "'5/24'";
    QTest::newRow("slash sorts after dot") << "a/"
                                           << "a/.";
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("hyphen sorts before dot") << "x-"
                                             << "x-";
    QTest::newRow("exclamation") << "Stop!"
                                 << "Stop!";
    QTest::newRow("space") << "trailing "
                           << "trailing ";
    QTest::newRow("non-ascii") << QString::fromUtf8("網路") << QString::fromUtf8("網路.");
    QTest::newRow("empty") << ""
                           << "";
}

void RulesTest::errorTextEndsWithFullStop() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(ErrorBoxText(message), shown);
}

void RulesTest::lengthsScaleWithDigitHeight_data() {
    QTest::addColumn<int>("design");
    QTest::addColumn<int>("digitHeight");
    QTest::addColumn<int>("scaled");
    for (const int length : {0, 2, 13, 21, 89, 287, 815}) {
        QTest::addRow("%d at 13", length) << length << 13 << length;
    }
    QTest::newRow("815 at 15") << 815 << 15 << 940;
    QTest::newRow("483 at 15") << 483 << 15 << 557;
    QTest::newRow("89 at 15") << 89 << 15 << 103;
    QTest::newRow("815 at 16") << 815 << 16 << 1003;
    QTest::newRow("100 at 16") << 100 << 16 << 123;
    QTest::newRow("13 at 16") << 13 << 16 << 16;
    QTest::newRow("815 at 26") << 815 << 26 << 1630;
    QTest::newRow("17 at 26") << 17 << 26 << 34;
    QTest::newRow("1 at 19 rounds down") << 1 << 19 << 1;
    QTest::newRow("1 at 20 rounds up") << 1 << 20 << 2;
}

void RulesTest::lengthsScaleWithDigitHeight() {
    QFETCH(int, design);
    QFETCH(int, digitHeight);
    QFETCH(int, scaled);
    QCOMPARE(ScaleLength(design, digitHeight), scaled);
}

void RulesTest::glyphBackgroundIsTransparent() {
    const QColor background(128, 128, 0);
    QImage strip(36, 18, QImage::Format_RGB32);
    strip.fill(background);
    strip.setPixel(5, 5, qRgb(0, 160, 0));
    strip.setPixel(18 + 5, 5, qRgb(128, 128, 128));

    const QIcon glyph = ButtonGlyph(strip);
    const QImage normal = glyph.pixmap(QSize(18, 18), QIcon::Normal).toImage();
    const QImage disabled = glyph.pixmap(QSize(18, 18), QIcon::Disabled).toImage();

    QCOMPARE(normal.size(), QSize(18, 18));
    QCOMPARE(qAlpha(normal.pixel(0, 17)), 0);
    QCOMPARE(qAlpha(normal.pixel(17, 0)), 0);
    QCOMPARE(QColor(normal.pixel(5, 5)), QColor(0, 160, 0));
    QCOMPARE(qAlpha(disabled.pixel(0, 0)), 0);
    QCOMPARE(QColor(disabled.pixel(5, 5)), QColor(128, 128, 128));
}

QTEST_MAIN(RulesTest)
#include "RulesTest.moc"
