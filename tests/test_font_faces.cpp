// Tests of the designed font faces and their installed stand-ins.
#include "app/font_faces.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QtTest>

using namespace kavro;

class TestFontFaces : public QObject
{
    Q_OBJECT

private slots:
    void standIn_data();
    void standIn();
};

void TestFontFaces::standIn_data()
{
    QTest::addColumn<QString>("designed");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("installed");

    QTest::newRow("page font of the depth page") << "Times New Roman" << 9.75 << false << "Liberation Serif";
    QTest::newRow("frame captions") << "Arial" << 9.75 << true << "Liberation Sans";
    QTest::newRow("platform default") << "MS Sans Serif" << 8.25 << false << "Liberation Sans";
    QTest::newRow("echo boxes") << "Courier New" << 8.25 << false << "Liberation Mono";
    QTest::newRow("case of the face ignored") << "times new roman" << 12.0 << true << "Liberation Serif";
}

void TestFontFaces::standIn()
{
    QFETCH(QString, designed);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QString, installed);

    const QFont font = designedFont(designed, points, bold);
    QCOMPARE(font.family(), installed);
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    // The stand-in must really be installed, or every layout measured for it is off.
    QCOMPARE(QFontInfo(font).family(), installed);
}

QTEST_MAIN(TestFontFaces)
#include "test_font_faces.moc"
