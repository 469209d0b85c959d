// Running a check plan on a page: its messages shown in order, as the check decided them.
#pragma once

#include "input/input_check.h"

namespace kavro {

class FormRuntime;

// Shows each message of the check with the stop icon and its title; true when the case passed.
bool showCheck(FormRuntime &runtime, const CheckPlan &plan, const FieldTexts &texts, const RegionalNumbers &numbers);

} // namespace kavro
