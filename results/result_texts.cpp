// The texts of the main results.
#include "results/result_texts.h"

#include "core/regional_numbers.h"

namespace kavro {

namespace {

const QString kNotAvailable = QStringLiteral(": N/A");

QString placeText(KavroPlace place)
{
    switch (place) {
    case KavroPlace::Stern: return QStringLiteral(": Stern");
    case KavroPlace::Bow: return QStringLiteral(": Bow");
    case KavroPlace::BowAndStern: return QStringLiteral(": Bow&Stern");
    }
    return kNotAvailable;
}

// Cut, never rounded: rounding up would allow a speed that eats into the clearance. The whole
// knots are plain digits, without grouping.
QString speedText(const std::optional<double> &vmax)
{
    if (!vmax)
        return kNotAvailable;
    return QStringLiteral(": ") + QString::number(RegionalNumbers::cut(*vmax), 'f', 0) + QStringLiteral(" kts.");
}

} // namespace

QString metresText(double metres, const RegionalNumbers &numbers)
{
    return QStringLiteral(": ") + numbers.format(metres, 1) + QStringLiteral(" m");
}

ResultTexts resultTexts(const std::optional<Kavro> &kavro, const RegionalNumbers &numbers)
{
    if (!kavro)
        return {};
    return {speedText(kavro->Vmax), metresText(kavro->maxKavro, numbers), placeText(kavro->place),
            metresText(kavro->remainingClearance, numbers)};
}

} // namespace kavro
