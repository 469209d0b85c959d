// Regional number and date services.
#include "core/regional_numbers.h"

#include <QDate>
#include <charconv>
#include <cmath>

namespace kavro {

namespace {

// Shortest decimal digits that read back as the same double, split into sign, digits and
// the position of the decimal point (digits "125", point 1 means 1.25).
struct DecimalForm
{
    bool negative = false;
    QString digits;
    int point = 0;
};

DecimalForm shortestDecimal(double value)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    QString text = QString::fromLatin1(buffer, int(result.ptr - buffer));
    DecimalForm form;
    if (text.startsWith(QLatin1Char('-'))) {
        form.negative = true;
        text.remove(0, 1);
    }
    const int e = text.indexOf(QLatin1Char('e'));
    const int exponent = text.mid(e + 1).toInt();
    form.digits = text.left(e).remove(QLatin1Char('.'));
    form.point = exponent + 1;
    return form;
}

// Rounds the decimal form to `decimals` places, halves away from zero, and returns the
// integer and fraction digit strings.
std::pair<QString, QString> roundedParts(DecimalForm form, int decimals)
{
    // Left-pad so that the point lies inside the digits.
    if (form.point <= 0) {
        form.digits.prepend(QString(1 - form.point, QLatin1Char('0')));
        form.point = 1;
    }
    const int keep = form.point + decimals;
    if (form.digits.size() < keep)
        form.digits.append(QString(keep - form.digits.size(), QLatin1Char('0')));
    QString kept = form.digits.left(keep);
    const bool roundUp = form.digits.size() > keep && form.digits.at(keep) >= QLatin1Char('5');
    if (roundUp) {
        int i = kept.size() - 1;
        while (i >= 0 && kept.at(i) == QLatin1Char('9')) {
            kept[i] = QLatin1Char('0');
            --i;
        }
        if (i >= 0) {
            kept[i] = QChar(kept.at(i).unicode() + 1);
        } else {
            kept.prepend(QLatin1Char('1'));
            ++form.point;
        }
    }
    QString integer = kept.left(form.point);
    while (integer.size() > 1 && integer.startsWith(QLatin1Char('0')))
        integer.remove(0, 1);
    return {integer, kept.mid(form.point)};
}

QString groupedInteger(const QString &digits, const QLocale &locale)
{
    if (locale.numberOptions() & QLocale::OmitGroupSeparator)
        return digits;
    const QString separator = locale.groupSeparator();
    QString out;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += digits.at(i);
    }
    return out;
}

} // namespace

RegionalNumbers::RegionalNumbers(QLocale locale)
    : m_locale(std::move(locale))
{
    // On a decimal-comma desktop "150.500" is meant as 150.5 far more often than as 150500;
    // read as a grouped number it would pass every check as a value a thousand times too large.
    m_locale.setNumberOptions(m_locale.numberOptions() | QLocale::RejectGroupSeparator);
}

bool RegionalNumbers::isNumber(const QString &text) const
{
    if (text.trimmed().isEmpty())
        return false;
    bool ok = false;
    const double value = m_locale.toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value);
}

double RegionalNumbers::toDouble(const QString &text) const
{
    bool ok = false;
    const double value = m_locale.toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

bool RegionalNumbers::isDate(const QString &text) const
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    const QString formats[] = {
        m_locale.dateFormat(QLocale::ShortFormat),
        m_locale.dateFormat(QLocale::LongFormat),
        QStringLiteral("yyyy-MM-dd"),
        QStringLiteral("d.M.yyyy"),
        QStringLiteral("d/M/yyyy"),
        QStringLiteral("M/d/yyyy"),
    };
    for (const QString &format : formats) {
        if (m_locale.toDate(trimmed, format).isValid())
            return true;
    }
    return false;
}

std::optional<int16_t> RegionalNumbers::toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // Banker's rounding: the default rounding mode of nearbyint is to nearest, ties to even.
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

double RegionalNumbers::cut(double value)
{
    return std::floor(value);
}

QString RegionalNumbers::format(double value, int decimals) const
{
    if (!std::isfinite(value))
        return QString();
    DecimalForm form = value == 0.0 ? DecimalForm{false, QStringLiteral("0"), 1} : shortestDecimal(value);
    const auto [integer, fraction] = roundedParts(form, decimals);
    const bool allZero = QString(integer + fraction).count(QLatin1Char('0')) == integer.size() + fraction.size();
    QString out;
    if (form.negative && !allZero)
        out += m_locale.negativeSign();
    out += groupedInteger(integer, m_locale);
    if (decimals > 0)
        out += m_locale.decimalPoint() + fraction;
    return out;
}

QString RegionalNumbers::printed(double value) const
{
    if (!std::isfinite(value))
        return QString();
    QString text = QString::number(std::fabs(value), 'g', 15).toUpper();
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    text.replace(QLatin1Char('.'), m_locale.decimalPoint());
    const QString sign = value < 0 ? m_locale.negativeSign() : QStringLiteral(" ");
    return sign + text + QLatin1Char(' ');
}

} // namespace kavro
