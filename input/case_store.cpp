// Writing an accepted case into the active case.
#include "input/case_store.h"

#include "core/case_fields.h"

namespace kavro {

void storeCase(WaterwayKind kind, const FieldTexts &boxTexts, const RegionalNumbers &numbers,
               ActiveCase &activeCase)
{
    for (const CaseFieldSpec &spec : caseFieldsOf(kind)) {
        const QString text = boxTexts.value(spec.name);
        if (const auto *textField = std::get_if<QString ActiveCase::*>(&spec.member))
            activeCase.*(*textField) = text;
        else
            activeCase.*std::get<double ActiveCase::*>(spec.member) = numbers.toDouble(text);
    }
}

} // namespace kavro
