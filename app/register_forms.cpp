// The factories of every window.
#include "app/register_forms.h"

#include "archive/database_page.h"
#include "archive/delete_confirmation.h"
#include "forms/forms.h"
#include "input/condition_page.h"
#include "menu/about_box.h"
#include "menu/main_menu.h"
#include "menu/waterway_choice.h"
#include "results/results_page.h"
#include "results/validity_page.h"

namespace kavro {

namespace {
constexpr WaterwayKind kKinds[] = {WaterwayKind::DepthRestricted, WaterwayKind::Canal, WaterwayKind::Channel};
}

void registerNavigationForms(Forms &forms)
{
    forms.setFactory(FormId::Intro, [](Forms &f) { return std::make_unique<Intro>(f); });
    forms.setFactory(FormId::Forhold, [](Forms &f) { return std::make_unique<Forhold>(f); });
    forms.setFactory(FormId::About, [](Forms &f) { return std::make_unique<Form2>(f); });
    for (WaterwayKind kind : kKinds) {
        forms.setFactory(inputPageOf(kind), [kind](Forms &f) {
            return std::make_unique<ConditionPage>(f, conditionDesign(kind));
        });
    }
}

void registerResultsForms(Forms &forms)
{
    for (WaterwayKind kind : kKinds)
        forms.setFactory(resultsPageOf(kind), [kind](Forms &f) { return std::make_unique<ResultsPage>(f, kind); });
    forms.setFactory(FormId::Validity, [](Forms &f) { return std::make_unique<ValidityPage>(f.runtime()); });
}

void registerArchiveForms(Forms &forms)
{
    for (WaterwayKind kind : kKinds) {
        forms.setFactory(databasePageOf(kind), [kind](Forms &f) {
            return std::make_unique<DatabasePage>(f, kind);
        });
        forms.setFactory(deleteConfirmationOf(kind),
                         [kind](Forms &f) { return std::make_unique<DeleteConfirmation>(f, kind); });
    }
}

void registerProgramForms(Forms &forms)
{
    registerNavigationForms(forms);
    registerResultsForms(forms);
    registerArchiveForms(forms);
}

} // namespace kavro
