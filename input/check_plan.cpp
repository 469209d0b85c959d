// Values derived from the boxes that several steps share.
#include "input/check_plan.h"

#include <QtNumeric>
#include <algorithm>

namespace kavro {

double CheckContext::governingDraught() const
{
    return std::max(value(QStringLiteral("TA")), value(QStringLiteral("TF")));
}

double CheckContext::depthRatio() const
{
    const double draught = governingDraught();
    if (!(draught > 0.0))
        return qQNaN();
    return value(QStringLiteral("H")) / draught;
}

} // namespace kavro
