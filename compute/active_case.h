// The one case being computed: the ship's and waterway's data as the last accepted OK left them.
#pragma once

#include <QString>

namespace kavro {

struct ActiveCase
{
    // Texts exactly as typed; every use converts them afresh.
    QString DraughtAft;
    QString DraughtFore;
    QString Breadth;
    QString BlockCoefficient;
    QString MinUkc;
    QString WaterDepth;
    QString WaterwayWidth;
    QString NaturalDepth;
    // Knots, converted at the moment of the OK.
    double ServiceSpeed = 0.0;
};

} // namespace kavro
