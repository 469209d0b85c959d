// The texts of a results page's main results, written from the computed numbers: the one place
// that formats them and writes ": N/A".
#pragma once

#include "compute/kavro_computation.h"

#include <QString>
#include <optional>

namespace kavro {

class RegionalNumbers;

inline const QString kRemainingClearancePrompt = QStringLiteral("Remaining under-keel clearance");

struct ResultTexts
{
    QString MaxShipSpeed;
    QString MaxKavro;
    QString MaxKavroOccur;
    QString MaxDraught;
};

// A case without a result leaves every box empty: ": N/A" in the speed box is what a case that
// needs no limit shows.
ResultTexts resultTexts(const std::optional<Kavro> &kavro, const RegionalNumbers &numbers);

// What a page without a result writes where its graph would stand, when its own design has no
// line for the reason.
inline const QString kNoResultLine = QStringLiteral("No result: a value of this case lies beyond what can be computed.");

// ": 1.5 m": metres with one decimal, as the kavro and clearance boxes show them.
QString metresText(double metres, const RegionalNumbers &numbers);

} // namespace kavro
