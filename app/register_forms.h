// The one place that makes every window of the program known to the window registry.
#pragma once

namespace kavro {

class Forms;

// The main menu, the choice, the about box and the three input pages.
void registerNavigationForms(Forms &forms);
// The three results pages and the validity page.
void registerResultsForms(Forms &forms);
// The three database pages and their delete confirmations.
void registerArchiveForms(Forms &forms);
// Every window of the program, as the program registers them.
void registerProgramForms(Forms &forms);

} // namespace kavro
