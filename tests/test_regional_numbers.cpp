// Regional number services in a decimal-point and a decimal-comma locale.
#include "core/regional_numbers.h"

#include <QtTest>

using namespace kavro;

namespace {
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
}

class RegionalNumbersTest : public QObject
{
    Q_OBJECT
private slots:
    void numberTest_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << kEnglish << "" << false << 0.0;
        QTest::newRow("blank") << kEnglish << " " << false << 0.0;
        QTest::newRow("inf") << kEnglish << "inf" << false << 0.0;
        QTest::newRow("nan") << kEnglish << "nan" << false << 0.0;
        QTest::newRow("overflow") << kEnglish << "1e400" << false << 0.0;
        QTest::newRow("letters") << kEnglish << "12a" << false << 0.0;
        QTest::newRow("point") << kEnglish << "9.50" << true << 9.5;
        QTest::newRow("padded") << kEnglish << " 12 " << true << 12.0;
        QTest::newRow("negative") << kEnglish << "-1" << true << -1.0;
        QTest::newRow("zero") << kEnglish << "0.00" << true << 0.0;
        QTest::newRow("comma locale") << kGerman << "9,5" << true << 9.5;
        QTest::newRow("comma locale rejects letters") << kGerman << "9,5x" << false << 0.0;
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
        QTest::newRow("14.9") << 14.9 << true << 15 << 14.0;
        QTest::newRow("top") << 32767.49 << true << 32767 << 32767.0;
        QTest::newRow("just over top") << 32767.5 << false << 0 << 32767.0;
        QTest::newRow("bottom half") << -32768.5 << true << -32768 << -32769.0;
        QTest::newRow("below bottom") << -32768.6 << false << 0 << -32769.0;
        QTest::newRow("infinite") << qInf() << false << 0 << qInf();
        QTest::newRow("nan") << qQNaN() << false << 0 << qQNaN();
    }
    void wholeNumbers()
    {
        QFETCH(double, value);
        QFETCH(bool, inRange);
        QFETCH(int, int16);
        const auto converted = RegionalNumbers::toInt16(value);
        QCOMPARE(converted.has_value(), inRange);
        if (inRange)
            QCOMPARE(int(*converted), int16);
        QTEST(RegionalNumbers::cut(value), "cut");
    }

    void format_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1.005 as typed") << kEnglish << 1.005 << 2 << "1.01";
        QTest::newRow("carry through nines") << kEnglish << 9.995 << 2 << "10.00";
        QTest::newRow("pads decimals") << kEnglish << 12.0 << 2 << "12.00";
        QTest::newRow("no decimals rounds half away") << kEnglish << 2.5 << 0 << "3";
        QTest::newRow("grouping millions") << kEnglish << 1234567.0 << 0 << "1,234,567";
        QTest::newRow("negative, half away") << kEnglish << -1.25 << 1 << "-1.3";
        QTest::newRow("negative zero shows zero") << kEnglish << -0.04 << 1 << "0.0";
        QTest::newRow("tiny") << kEnglish << 1e-9 << 2 << "0.00";
        QTest::newRow("comma locale grouping") << kGerman << 1234.5 << 2 << "1.234,50";
        QTest::newRow("comma locale negative") << kGerman << -0.25 << 1 << "-0,3";
        QTest::newRow("comma locale negative zero") << kGerman << -0.04 << 1 << "0,0";
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
        QTest::newRow("5.5") << kEnglish << 5.5 << " 5.5 ";
        QTest::newRow(".5") << kEnglish << 0.5 << " .5 ";
        QTest::newRow("0") << kEnglish << 0.0 << " 0 ";
        QTest::newRow("-2") << kEnglish << -2.0 << "-2 ";
        QTest::newRow("-.5") << kEnglish << -0.5 << "-.5 ";
        QTest::newRow("15 digits") << kEnglish << 0.1 + 0.2 << " .3 ";
        QTest::newRow("comma") << kGerman << 5.5 << " 5,5 ";
        QTest::newRow("no grouping") << kEnglish << 1234.0 << " 1234 ";
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
        QTest::newRow("empty") << kEnglish << "" << false;
        QTest::newRow("iso") << kEnglish << "2024-03-01" << true;
        QTest::newRow("us short") << kEnglish << "3/1/2024" << true;
        QTest::newRow("no such day") << kEnglish << "2024-02-30" << false;
        QTest::newRow("german short") << kGerman << "01.03.2024" << true;
        QTest::newRow("number is no date") << kEnglish << "12.5" << false;
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
