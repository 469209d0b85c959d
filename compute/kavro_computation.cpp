// Kavro of a case by the width-of-influence and blockage-factor method.
#include "compute/kavro_computation.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace kavro {

namespace {

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

} // namespace

double kavroAtSpeed(double K, double knots)
{
    return K * std::pow(knots, 2.08);
}

std::optional<double> allowedSpeed(double vmax, double vcrit, double serviceSpeed)
{
    // Above the critical speed the method no longer holds; a ship that is already slower
    // than the allowed speed has no limit to report.
    if (vmax > vcrit || serviceSpeed <= vmax)
        return std::nullopt;
    return vmax;
}

KavroPlace maxKavroPlace(double draughtAft, double draughtFore, double blockCoefficient)
{
    if (draughtAft != draughtFore && std::fabs(draughtAft - draughtFore) >= 1.0)
        return draughtAft >= draughtFore ? KavroPlace::Stern : KavroPlace::Bow;
    if (blockCoefficient >= 0.705)
        return KavroPlace::Bow;
    if (blockCoefficient <= 0.695)
        return KavroPlace::Stern;
    return KavroPlace::BowAndStern;
}

std::optional<Kavro> computeKavro(WaterwayKind kind, const ActiveCase &activeCase, const RegionalNumbers &numbers,
                                  NoResult *why)
{
    const auto none = [why](NoResult reason) -> std::optional<Kavro> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const double TA = numbers.toDouble(activeCase.DraughtAft);
    const double TF = numbers.toDouble(activeCase.DraughtFore);
    const double B = numbers.toDouble(activeCase.Breadth);
    const double Cb = numbers.toDouble(activeCase.BlockCoefficient);
    const double H = numbers.toDouble(activeCase.WaterDepth);
    const double W = numbers.toDouble(activeCase.WaterwayWidth);
    const double UKCmin = numbers.toDouble(activeCase.MinUkc);
    const double SS = activeCase.ServiceSpeed;

    Kavro k;
    k.T = std::max(TA, TF);
    k.As = B * k.T;
    k.FB = 7.7 + 20.0 * std::pow(1.0 - Cb, 2.0);
    k.Ac = waterwaySection(kind, k.FB, B, H, W);

    // A width kept from an earlier canal or channel case can leave no water beside a later,
    // larger ship: the blockage factor is then undefined, not merely large.
    const double freeSection = k.Ac - k.As;
    if (!allFinite({k.T, k.As, k.FB, k.Ac, freeSection}))
        return none(NoResult::OutOfRange);
    if (!(freeSection > 0.0))
        return none(NoResult::NoWaterBeside);

    k.S2 = k.As / freeSection;
    k.K = (Cb / 30.0) * std::pow(k.S2, 2.0 / 3.0);
    // A sinkage coefficient that is not positive would divide by zero or turn the sign of
    // the allowed speed's base.
    if (!(k.K > 0.0) || !std::isfinite(k.K))
        return none(NoResult::OutOfRange);

    k.maxKavro = H - k.T - UKCmin;
    const double vmax = std::pow(k.maxKavro / k.K, 1.0 / 2.08);
    k.Vcrit = 0.8 * std::pow(9.81 * H, 0.5) * 3600.0 / 1852.0;
    if (!allFinite({k.S2, k.maxKavro, vmax, k.Vcrit, SS}))
        return none(NoResult::OutOfRange);

    k.Vmax = allowedSpeed(vmax, k.Vcrit, SS);
    k.place = maxKavroPlace(TA, TF, Cb);
    k.remainingClearance = UKCmin;
    return k;
}

} // namespace kavro
