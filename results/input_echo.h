// The input echo of a results page: the case's values as labelled lines.
#pragma once

#include "results/results_design.h"

#include <QStringList>

namespace kavro {

struct ActiveCase;
class RegionalNumbers;

// The echo texts of a page, in the order of its lines.
QStringList inputEcho(const ResultsDesign &design, const ActiveCase &activeCase, const RegionalNumbers &numbers);

} // namespace kavro
