// Makes the main menu, the choice, the about box and the three input pages known to the registry.
#pragma once

namespace kavro {

class Forms;

void registerNavigationForms(Forms &forms);

} // namespace kavro
