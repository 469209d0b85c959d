// Regional number services in a decimal-point and a decimal-comma locale.
#include "core/regional_numbers.h"

#include <QtTest>

using namespace kavro;

const QLocale en(QLocale::English, QLocale::UnitedStates);
const QLocale de(QLocale::German, QLocale::Germany);

class RegionalNumbersTest : public QObject
{
    Q_OBJECT
private slots:
    // A refused text is no number and converts to 0.
    void numberTest_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");   // NaN: refused
        const double no = qQNaN();
        QTest::newRow("empty") << en << "" << no;
        QTest::newRow("inf") << en << "inf" << no;
        // Group separators are refused, so a decimal separator of the other habit never reads as grouping.
        QTest::newRow("point: 150.500") << en << "150.500" << 150.5;
        QTest::newRow("point: 1,000") << en << "1,000" << no;
        QTest::newRow("point: 150,5") << en << "150,5" << no;
        QTest::newRow("comma: 150.500") << de << "150.500" << no;
        QTest::newRow("comma: 1,000") << de << "1,000" << 1.0;
        QTest::newRow("comma: 150.5") << de << "150.5" << no;
    }
    void numberTest()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        const RegionalNumbers numbers(locale);
        QCOMPARE(numbers.isNumber(text), !qIsNaN(value));
        QCOMPARE(numbers.toDouble(text), qIsNaN(value) ? 0.0 : value);
    }

    // The 16-bit conversion (halves to even, nothing outside the range) and the cut towards minus infinity.
    void wholeNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("int16");   // 65536: none, out of range
        QTest::addColumn<double>("cut");
        QTest::newRow("2.5") << 2.5 << 2 << 2.0;
        QTest::newRow("3.5") << 3.5 << 4 << 3.0;
        QTest::newRow("-2.5") << -2.5 << -2 << -3.0;
        QTest::newRow("over the top") << 32767.5 << 65536 << 32767.0;
        QTest::newRow("bottom half") << -32768.5 << -32768 << -32769.0;
        QTest::newRow("under the bottom") << -32768.6 << 65536 << -32769.0;
    }
    void wholeNumbers()
    {
        QFETCH(double, value);
        const auto whole = RegionalNumbers::toInt16(value);
        QTEST(whole ? int(*whole) : 65536, "int16");
        QTEST(RegionalNumbers::cut(value), "cut");
    }

    // With decimals, the number formatting of the pages; without, a number as the drawing prints it
    // (a zero and a number without grouping: the axis numbers of test_kavro_graph).
    void texts_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");   // -1: printed
        QTest::addColumn<QString>("expected");
        QTest::newRow("1.005 as typed") << en << 1.005 << 2 << "1.01";
        QTest::newRow("carry through nines") << en << 9.995 << 2 << "10.00";
        QTest::newRow("half away, no decimals") << en << 2.5 << 0 << "3";
        QTest::newRow("negative half away") << en << -1.25 << 1 << "-1.3";
        QTest::newRow("negative zero") << en << -0.04 << 1 << "0.0";
        QTest::newRow("comma grouping") << de << 1234.5 << 2 << "1.234,50";
        QTest::newRow("printed -.5") << en << -0.5 << -1 << "-.5 ";
        QTest::newRow("printed 15 digits") << en << 0.1 + 0.2 << -1 << " .3 ";
        QTest::newRow("printed small, comma") << de << 0.00012 << -1 << " ,00012 ";
        QTest::newRow("printed smaller, comma") << de << 1.5e-5 << -1 << " 1,5E-05 ";
    }
    void texts()
    {
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        QFETCH(int, decimals);
        const RegionalNumbers numbers(locale);
        QTEST(decimals < 0 ? numbers.printed(value) : numbers.format(value, decimals), "expected");
    }

    void dateTest_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isDate");
        QTest::newRow("iso") << en << "2024-03-01" << true;
        QTest::newRow("no such day") << en << "2024-02-30" << false;
        QTest::newRow("german short") << de << "01.03.2024" << true;
    }
    void dateTest()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QTEST(RegionalNumbers(locale).isDate(text), "isDate");
    }
};

QTEST_GUILESS_MAIN(RegionalNumbersTest)
#include "test_regional_numbers.moc"
