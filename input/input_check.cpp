// The one runner of every check plan.
#include "input/input_check.h"

#include "input/check_plan.h"

namespace kavro {

CheckOutcome runCheck(const CheckPlan &plan, const FieldTexts &fields, const RegionalNumbers &numbers)
{
    const CheckContext context(fields, numbers);
    CheckOutcome outcome;
    for (const CheckStep &step : plan.steps()) {
        if (!step.applies(context))
            continue;
        outcome.messages << step.message;
        if (!step.message.warning)
            return outcome;
    }
    outcome.accepted = true;
    return outcome;
}

} // namespace kavro
