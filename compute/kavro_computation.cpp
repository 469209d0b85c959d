// Kavro of a case by the width-of-influence and blockage-factor method.
#include "compute/kavro_computation.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace kavro {

namespace {

const QString kNotAvailable = QStringLiteral(": N/A");
const QString kRemainingClearancePrompt = QStringLiteral("Remaining under-keel clearance");

// Depth-restricted water has no banks: only a canal or a channel may be narrower than the
// width of influence.
constexpr bool hasBanks(WaterwayKind kind)
{
    switch (kind) {
    case WaterwayKind::DepthRestricted:
        return false;
    case WaterwayKind::Canal:
    case WaterwayKind::Channel:
        return true;
    }
    return false;
}

// Whole metres of the width for the bank test. The 16-bit conversion cannot hold a width of
// 32767.5 m or more, which the input check allows; such a width is rounded the same way
// without the range limit, so a very wide waterway still compares as very wide.
double wholeMetres(double width)
{
    if (const std::optional<int16_t> whole = RegionalNumbers::toInt16(width))
        return static_cast<double>(*whole);
    return std::nearbyint(width);
}

double waterwaySection(WaterwayKind kind, double FB, double B, double H, double W)
{
    if (hasBanks(kind) && wholeMetres(W) < FB * B)
        return W * H; // the width as typed, fraction included
    return FB * B * H;
}

bool allFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// A case without a defined result must never show a number, let alone "nan" or "inf".
KavroResult withoutResult(KavroResult result)
{
    result.hasResult = false;
    for (double *value : {&result.T, &result.As, &result.FB, &result.Ac, &result.S2, &result.K, &result.Vmax,
                          &result.Vcrit}) {
        if (!std::isfinite(*value))
            *value = 0.0;
    }
    result.MaxShipSpeed = kNotAvailable;
    result.MaxKavro = kNotAvailable;
    result.MaxKavroOccur = kNotAvailable;
    result.MaxDraughtPrompt = kRemainingClearancePrompt;
    result.MaxDraught = kNotAvailable;
    return result;
}

} // namespace

double kavroAtSpeed(double K, double knots)
{
    return K * std::pow(knots, 2.08);
}

QString maxShipSpeedText(double vmax, double vcrit, double serviceSpeed)
{
    // Above the critical speed the method no longer holds; a ship that is already slower
    // than the allowed speed has no limit to report.
    if (vmax > vcrit)
        return kNotAvailable;
    if (serviceSpeed <= vmax)
        return kNotAvailable;
    // Cut, never rounded: rounding up would allow a speed that eats into the clearance.
    return QStringLiteral(": ") + QString::number(RegionalNumbers::cut(vmax), 'f', 0) + QStringLiteral(" kts.");
}

QString maxKavroOccurText(double draughtAft, double draughtFore, double blockCoefficient)
{
    if (draughtAft != draughtFore && std::fabs(draughtAft - draughtFore) >= 1.0)
        return draughtAft >= draughtFore ? QStringLiteral(": Stern") : QStringLiteral(": Bow");
    if (blockCoefficient >= 0.705)
        return QStringLiteral(": Bow");
    if (blockCoefficient <= 0.695)
        return QStringLiteral(": Stern");
    return QStringLiteral(": Bow&Stern");
}

KavroResult computeKavro(WaterwayKind kind, const ActiveCase &activeCase, const RegionalNumbers &numbers)
{
    const double TA = numbers.toDouble(activeCase.DraughtAft);
    const double TF = numbers.toDouble(activeCase.DraughtFore);
    const double B = numbers.toDouble(activeCase.Breadth);
    const double Cb = numbers.toDouble(activeCase.BlockCoefficient);
    const double H = numbers.toDouble(activeCase.WaterDepth);
    const double W = numbers.toDouble(activeCase.WaterwayWidth);
    const double UKCmin = numbers.toDouble(activeCase.MinUkc);
    const double SS = activeCase.ServiceSpeed;

    KavroResult result;
    result.T = std::max(TA, TF);
    result.As = B * result.T;
    result.FB = 7.7 + 20.0 * std::pow(1.0 - Cb, 2.0);
    result.Ac = waterwaySection(kind, result.FB, B, H, W);

    // A width kept from an earlier canal or channel case can leave no water beside a later,
    // larger ship: the blockage factor is then undefined, not merely large.
    const double freeSection = result.Ac - result.As;
    if (!(freeSection > 0.0) || !allFinite({result.T, result.As, result.FB, result.Ac, freeSection}))
        return withoutResult(result);

    result.S2 = result.As / freeSection;
    result.K = (Cb / 30.0) * std::pow(result.S2, 2.0 / 3.0);
    // A sinkage coefficient that is not positive would divide by zero or turn the sign of
    // the allowed speed's base.
    if (!(result.K > 0.0) || !std::isfinite(result.K))
        return withoutResult(result);

    const double clearanceMargin = H - result.T - UKCmin;
    result.Vmax = std::pow(clearanceMargin / result.K, 1.0 / 2.08);
    result.Vcrit = 0.8 * std::pow(9.81 * H, 0.5) * 3600.0 / 1852.0;
    if (!allFinite({result.S2, clearanceMargin, result.Vmax, result.Vcrit, SS}))
        return withoutResult(result);

    result.hasResult = true;
    result.MaxShipSpeed = maxShipSpeedText(result.Vmax, result.Vcrit, SS);
    result.MaxKavro = QStringLiteral(": ") + numbers.format(clearanceMargin, 1) + QStringLiteral(" m");
    result.MaxKavroOccur = maxKavroOccurText(TA, TF, Cb);
    result.MaxDraughtPrompt = kRemainingClearancePrompt;
    result.MaxDraught = QStringLiteral(": ") + numbers.format(UKCmin, 1) + QStringLiteral(" m");
    return result;
}

} // namespace kavro
