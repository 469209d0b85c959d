// Running a check plan on a page.
#include "input/check_messages.h"

#include "forms/form.h"
#include "forms/form_runtime.h"
#include "forms/platform.h"

namespace kavro {

bool showCheck(FormRuntime &runtime, const CheckPlan &plan, const FieldTexts &texts, const RegionalNumbers &numbers)
{
    const CheckOutcome outcome = runCheck(plan, texts, numbers);
    for (const CheckMessage &message : outcome.messages) {
        const QString title = message.title == MessageTitle::Program ? kProgramTitle : QStringLiteral(" ");
        runtime.message(MessageIcon::Stop, title, message.text);
    }
    return outcome.accepted;
}

} // namespace kavro
