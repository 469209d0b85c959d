// The factories of the navigation windows.
#include "app/register_navigation_forms.h"

#include "app/forhold.h"
#include "app/form2.h"
#include "app/forms.h"
#include "app/intro.h"
#include "input/condition_page.h"

namespace kavro {

void registerNavigationForms(Forms &forms)
{
    forms.setFactory(FormId::Intro, [](Forms &f) { return std::make_unique<Intro>(f); });
    forms.setFactory(FormId::Forhold, [](Forms &f) { return std::make_unique<Forhold>(f); });
    forms.setFactory(FormId::About, [](Forms &f) { return std::make_unique<Form2>(f); });
    for (WaterwayKind kind : {WaterwayKind::DepthRestricted, WaterwayKind::Canal, WaterwayKind::Channel}) {
        forms.setFactory(inputPageOf(kind), [kind](Forms &f) {
            return std::make_unique<ConditionPage>(f, conditionDesign(kind));
        });
    }
}

} // namespace kavro
