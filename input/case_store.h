// Writing an accepted case from the boxes of an input page into the active case.
#pragma once

#include "core/active_case.h"
#include "core/regional_numbers.h"
#include "core/waterway_kind.h"
#include "input/input_check.h"

namespace kavro {

// Each field of the kind takes its box's text untouched, the service speed its regional value;
// the fields the kind lacks keep what they held.
void storeCase(WaterwayKind kind, const FieldTexts &boxTexts, const RegionalNumbers &numbers,
               ActiveCase &activeCase);

} // namespace kavro
