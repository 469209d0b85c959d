// The one record of the case being computed, as the last accepted input page left it.
#pragma once

#include <QString>

namespace kavro {

// The texts are kept exactly as typed so that every reader converts them afresh with the
// regional settings of the moment; only the service speed is held as a number.
struct ActiveCase
{
    QString DraughtAft;
    QString DraughtFore;
    QString Breadth;
    QString BlockCoefficient;
    QString MinUkc;
    QString WaterDepth;
    QString WaterwayWidth;
    QString NaturalDepth;
    double ServiceSpeed = 0.0;
};

} // namespace kavro
