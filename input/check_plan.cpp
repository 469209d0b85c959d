// Values derived from the boxes that several steps share.
#include "input/check_plan.h"

#include <QtNumeric>
#include <algorithm>

namespace kavro {

double CheckContext::governingDraught() const
{
    return std::max(value(CaseField::DraughtAft), value(CaseField::DraughtFore));
}

double CheckContext::depthRatio() const
{
    const double draught = governingDraught();
    if (!(draught > 0.0))
        return qQNaN();
    return value(CaseField::WaterDepth) / draught;
}

} // namespace kavro
