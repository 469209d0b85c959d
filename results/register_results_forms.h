// Makes the results pages and the validity page known to the window registry.
#pragma once

namespace kavro {

class Forms;

void registerResultsForms(Forms &forms);

} // namespace kavro
