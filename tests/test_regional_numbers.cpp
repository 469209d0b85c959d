// Regional number services in a decimal-point and a decimal-comma locale.
#include "core/regional_numbers.h"

#include <QtTest>

using namespace kavro;

namespace {
const QLocale en(QLocale::English, QLocale::UnitedStates);
const QLocale de(QLocale::German, QLocale::Germany);
}

class RegionalNumbersTest : public QObject
{
    Q_OBJECT
private slots:
    // A refused text is no number and converts to 0.
    void numberTest_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        const auto row = [](const char *name, const QLocale &l, const char *text, bool ok, double value = 0) {
            QTest::newRow(name) << l << text << ok << value;
        };
        row("empty", en, "", false);
        row("blank", en, " ", false);
        row("inf", en, "inf", false);
        row("nan", en, "nan", false);
        row("beyond a double", en, "1e400", false);
        row("letters", en, "12a", false);
        row("padded", en, " 12 ", true, 12);
        row("negative", en, "-1", true, -1);
        // Group separators are refused, so a decimal separator of the other habit never reads as grouping.
        row("point: 150.500", en, "150.500", true, 150.5);
        row("point: 1,000", en, "1,000", false);
        row("point: 1.000,5", en, "1.000,5", false);
        row("point: 150,5", en, "150,5", false);
        row("point: 150.5", en, "150.5", true, 150.5);
        row("comma: 150.500", de, "150.500", false);
        row("comma: 1,000", de, "1,000", true, 1);
        row("comma: 1.000,5", de, "1.000,5", false);
        row("comma: 150,5", de, "150,5", true, 150.5);
        row("comma: 150.5", de, "150.5", false);
    }
    void numberTest()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        const RegionalNumbers numbers(locale);
        QTEST(numbers.isNumber(text), "isNumber");
        QTEST(numbers.toDouble(text), "value");
    }

    // The 16-bit conversion (halves to even, nothing outside the range) and the cut towards minus infinity.
    void wholeNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("inRange");
        QTest::addColumn<int>("int16");
        QTest::addColumn<double>("cut");
        QTest::newRow("2.5") << 2.5 << true << 2 << 2.0;
        QTest::newRow("3.5") << 3.5 << true << 4 << 3.0;
        QTest::newRow("-2.5") << -2.5 << true << -2 << -3.0;
        QTest::newRow("top") << 32767.49 << true << 32767 << 32767.0;
        QTest::newRow("over the top") << 32767.5 << false << 0 << 32767.0;
        QTest::newRow("bottom half") << -32768.5 << true << -32768 << -32769.0;
        QTest::newRow("under the bottom") << -32768.6 << false << 0 << -32769.0;
        QTest::newRow("nan") << qQNaN() << false << 0 << qQNaN();
    }
    void wholeNumbers()
    {
        QFETCH(double, value);
        QFETCH(bool, inRange);
        const auto converted = RegionalNumbers::toInt16(value);
        QCOMPARE(converted.has_value(), inRange);
        if (inRange)
            QTEST(int(*converted), "int16");
        QTEST(RegionalNumbers::cut(value), "cut");
    }

    void format_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1.005 as typed") << en << 1.005 << 2 << "1.01";
        QTest::newRow("carry through nines") << en << 9.995 << 2 << "10.00";
        QTest::newRow("half away, no decimals") << en << 2.5 << 0 << "3";
        QTest::newRow("grouping") << en << 1234567.0 << 0 << "1,234,567";
        QTest::newRow("negative half away") << en << -1.25 << 1 << "-1.3";
        QTest::newRow("negative zero") << en << -0.04 << 1 << "0.0";
        QTest::newRow("comma grouping") << de << 1234.5 << 2 << "1.234,50";
        QTest::newRow("comma negative") << de << -0.25 << 1 << "-0,3";
    }
    void format()
    {
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        QFETCH(int, decimals);
        QTEST(RegionalNumbers(locale).format(value, decimals), "expected");
    }

    void printed_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << en << 0.0 << " 0 ";
        QTest::newRow("-.5") << en << -0.5 << "-.5 ";
        QTest::newRow("15 digits") << en << 0.1 + 0.2 << " .3 ";
        QTest::newRow("no grouping") << en << 1234.0 << " 1234 ";
        QTest::newRow("comma") << de << 5.5 << " 5,5 ";
    }
    void printed()
    {
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        QTEST(RegionalNumbers(locale).printed(value), "expected");
    }

    void dateTest_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isDate");
        QTest::newRow("empty") << en << "" << false;
        QTest::newRow("iso") << en << "2024-03-01" << true;
        QTest::newRow("us short") << en << "3/1/2024" << true;
        QTest::newRow("no such day") << en << "2024-02-30" << false;
        QTest::newRow("german short") << de << "01.03.2024" << true;
        QTest::newRow("a number") << en << "12.5" << false;
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
