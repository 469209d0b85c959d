// Writing an accepted case from the boxes of an input page into the active case.
#pragma once

#include "core/regional_numbers.h"
#include "core/active_case.h"

#include <QHash>
#include <QList>
#include <QString>

#include <variant>

namespace kavro {

// One write of the store: the box it reads and the field of the active case it fills. A text
// field receives the box's text untouched; a number field its regional value.
struct StoreWrite
{
    QString box;
    std::variant<QString ActiveCase::*, double ActiveCase::*> field;
};

// Writes in the given order; fields no write names keep what they held.
void storeCase(const QList<StoreWrite> &writes, const QHash<QString, QString> &boxTexts,
               const RegionalNumbers &numbers, ActiveCase &activeCase);

} // namespace kavro
