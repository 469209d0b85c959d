// Regional number and date services.
#include "core/regional_numbers.h"

#include <QDate>
#include <algorithm>
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

// The magnitude with fifteen significant digits, trailing zeros dropped, in the C library's
// general form with a capital E ("12", "0.5", "1.5E+20"), which is how Qt's 'g' conversion writes
// it, at a fraction of that conversion's cost: a graph near its 16-bit depth range prints 65,000
// numbers. Returns the length written to out, which holds 24 characters.
int generalForm(double magnitude, char *out)
{
    // Sixteen digits, correctly rounded: d.ddddddddddddddde+XX.
    char scientific[32];
    const char *end = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                                    std::chars_format::scientific, 15).ptr;
    // A sixteenth digit 5 may be an exact half, which Qt rounds away from zero; leave it to Qt.
    if (scientific[16] == '5') {
        const QByteArray qt = QString::number(magnitude, 'g', 15).toUpper().toLatin1();
        std::copy(qt.begin(), qt.end(), out);
        return int(qt.size());
    }
    char digits[15];
    digits[0] = scientific[0];
    std::copy(scientific + 2, scientific + 16, digits + 1);
    int exponent = 0;
    std::from_chars(scientific + 19, end, exponent);
    if (scientific[18] == '-')
        exponent = -exponent;
    if (scientific[16] > '5') {
        int i = 14;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            ++exponent;
        }
    }
    int count = 15;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    char *o = out;
    if (exponent < -4 || exponent >= 15) {
        *o++ = digits[0];
        if (count > 1) {
            *o++ = '.';
            o = std::copy(digits + 1, digits + count, o);
        }
        *o++ = 'E';
        *o++ = exponent < 0 ? '-' : '+';
        if (std::abs(exponent) < 10)
            *o++ = '0';
        o = std::to_chars(o, o + 4, std::abs(exponent)).ptr;
    } else if (exponent < 0) {
        *o++ = '0';
        *o++ = '.';
        o = std::fill_n(o, -exponent - 1, '0');
        o = std::copy(digits, digits + count, o);
    } else {
        const int whole = exponent + 1;
        o = std::copy(digits, digits + std::min(count, whole), o);
        o = std::fill_n(o, std::max(0, whole - count), '0');
        if (count > whole) {
            *o++ = '.';
            o = std::copy(digits + whole, digits + count, o);
        }
    }
    return int(o - out);
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
    , m_decimalPoint(m_locale.decimalPoint())
    , m_negativeSign(m_locale.negativeSign())
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
    char buffer[32];
    const char *digits = buffer;
    const char *end = buffer + generalForm(std::fabs(value), buffer);
    if (end - digits > 1 && digits[0] == '0' && digits[1] == '.')
        ++digits;   // no zero before the separator
    const char *point = std::find(digits, end, '.');
    QString text;
    text.reserve(m_negativeSign.size() + int(end - digits) + m_decimalPoint.size() + 1);
    if (value < 0)
        text += m_negativeSign;
    else
        text += QLatin1Char(' ');
    text += QLatin1String(digits, point);
    if (point != end) {
        text += m_decimalPoint;
        text += QLatin1String(point + 1, end);
    }
    text += QLatin1Char(' ');
    return text;
}

} // namespace kavro
