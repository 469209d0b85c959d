// Tests that the metric-compatible stand-ins of the designed font faces are really installed.
#include "forms/font_faces.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QtTest>

using namespace kavro;

class TestFontFaces : public QObject
{
    Q_OBJECT

private slots:
    // Without the stand-in the platform falls back to another face, and every text measured for a
    // box of the designed windows is off.
    void standInIsInstalled_data()
    {
        QTest::addColumn<QString>("designed");
        QTest::addColumn<QString>("installed");

        QTest::newRow("results page and graph texts") << "Times New Roman" << "Liberation Serif";
        QTest::newRow("platform default, frame captions") << "MS Sans Serif" << "Liberation Sans";
        QTest::newRow("echo boxes") << "Courier New" << "Liberation Mono";
    }

    void standInIsInstalled()
    {
        QFETCH(QString, designed);
        QFETCH(QString, installed);
        QCOMPARE(QFontInfo(designedFont(designed, 9.75)).family(), installed);
    }
};

QTEST_MAIN(TestFontFaces)
#include "test_font_faces.moc"
