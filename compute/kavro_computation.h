// Kavro (shallow-water sinkage) of a case: the numbers behind a results page.
#pragma once

#include "core/active_case.h"
#include "core/regional_numbers.h"
#include "core/waterway_kind.h"

#include <optional>

namespace kavro {

// Where along the hull the largest kavro is likely to occur.
enum class KavroPlace { Stern, Bow, BowAndStern };

struct Kavro
{
    double T = 0;     // governing draught, m
    double As = 0;    // ship section area, m²
    double FB = 0;    // width of influence, in ship breadths
    double Ac = 0;    // waterway section area, m²
    double S2 = 0;    // blockage factor
    double K = 0;     // sinkage coefficient, m per knot^2.08
    // Maximum allowed speed, knots; none when the critical speed or the ship's own service
    // speed already limits it, so that there is no allowed speed to report.
    std::optional<double> Vmax;
    double Vcrit = 0;              // critical speed, knots
    double maxKavro = 0;           // kavro at the maximum allowed speed: H - T - UKCmin, m
    KavroPlace place = KavroPlace::Bow;
    double remainingClearance = 0; // what is left at that speed: the required minimum, m
};

// Why a case has no result.
enum class NoResult {
    NoWaterBeside, // the waterway section holds no more than the ship's own
    OutOfRange,    // a value the method cannot take, or one beyond the range of a double
};

// None when the case has no defined result; `why`, when given, then says why.
std::optional<Kavro> computeKavro(WaterwayKind kind, const ActiveCase &activeCase, const RegionalNumbers &numbers,
                                  NoResult *why = nullptr);

// Kavro in metres at a speed in knots: K × knots^2.08.
double kavroAtSpeed(double K, double knots);

// The speed at which the kavro uses up the clearance, as a limit worth reporting: none above
// the critical speed or at and above the service speed.
std::optional<double> allowedSpeed(double vmax, double vcrit, double serviceSpeed);

KavroPlace maxKavroPlace(double draughtAft, double draughtFore, double blockCoefficient);

} // namespace kavro
