// Kavro (shallow-water sinkage) of a case: the numbers behind a results page and its texts.
#pragma once

#include "core/regional_numbers.h"
#include "core/active_case.h"
#include "core/waterway_kind.h"

#include <QString>

namespace kavro {

struct KavroResult
{
    // False when the case has no defined result (no water left beside the ship, or a value
    // that is not finite); the texts then read ": N/A" and the numbers are not to be used.
    bool hasResult = false;
    double T = 0;     // governing draught, m
    double As = 0;    // ship section area, m²
    double FB = 0;    // width of influence, in ship breadths
    double Ac = 0;    // waterway section area, m²
    double S2 = 0;    // blockage factor
    double K = 0;     // sinkage coefficient, m per knot^2.08
    double Vmax = 0;  // maximum allowed speed, knots
    double Vcrit = 0; // critical speed, knots
    QString MaxShipSpeed;
    QString MaxKavro;
    QString MaxKavroOccur;
    QString MaxDraughtPrompt;
    QString MaxDraught;
};

KavroResult computeKavro(WaterwayKind kind, const ActiveCase &activeCase, const RegionalNumbers &numbers);

// Kavro in metres at a speed in knots: K × knots^2.08.
double kavroAtSpeed(double K, double knots);

// The maximum-speed text: ": N/A" when the critical speed or the service speed already
// limits the ship, otherwise the allowed speed in whole knots.
QString maxShipSpeedText(double vmax, double vcrit, double serviceSpeed);

// Where the largest kavro is likely: ": Stern", ": Bow" or ": Bow&Stern".
QString maxKavroOccurText(double draughtAft, double draughtFore, double blockCoefficient);

} // namespace kavro
