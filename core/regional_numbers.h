// Regional number and date services: reading, converting and writing numbers the way the
// platform's regional settings say, with the rounding rules the pages rely on.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace kavro {

class RegionalNumbers
{
public:
    // Number tests and conversions refuse the locale's group separator.
    explicit RegionalNumbers(QLocale locale = QLocale());

    const QLocale &locale() const { return m_locale; }

    // True when the text converts to a finite double; an empty text, "inf" and "nan" are no number.
    bool isNumber(const QString &text) const;
    // The text's value; 0 for a text that is no number.
    double toDouble(const QString &text) const;
    // True when the text reads as a calendar date in the regional or ISO forms.
    bool isDate(const QString &text) const;

    // Nearest whole number, halves to even; nullopt when the result leaves -32768..32767.
    static std::optional<int16_t> toInt16(double value);
    // Whole number towards minus infinity (-2.5 gives -3).
    static double cut(double value);

    // Exactly `decimals` decimals, regional grouping and sign; halves round away from zero
    // on the value's shortest decimal form (0.25 -> 0.3, 1.005 -> 1.01).
    QString format(double value, int decimals) const;
    // A number as the drawing prints it: " 5.5 ", " .5 ", "-2 " (up to 15 significant digits).
    QString printed(double value) const;

private:
    QLocale m_locale;
    QString m_decimalPoint;
    QString m_negativeSign;
};

} // namespace kavro
