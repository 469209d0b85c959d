// Registers the results pages and the validity page.
#include "results/register_results_forms.h"

#include "app/forms.h"
#include "results/results_page.h"
#include "results/validity_page.h"

namespace kavro {

void registerResultsForms(Forms &forms)
{
    for (WaterwayKind kind : {WaterwayKind::DepthRestricted, WaterwayKind::Canal, WaterwayKind::Channel}) {
        forms.setFactory(resultsPageOf(kind),
                         [kind](Forms &f) { return std::make_unique<ResultsPage>(f, kind); });
    }
    forms.setFactory(FormId::Validity, [](Forms &f) { return std::make_unique<ValidityPage>(f.runtime()); });
}

} // namespace kavro
