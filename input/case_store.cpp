// Writing an accepted case into the active case.
#include "input/case_store.h"

namespace kavro {

void storeCase(const QList<StoreWrite> &writes, const QHash<QString, QString> &boxTexts,
               const RegionalNumbers &numbers, ActiveCase &activeCase)
{
    for (const StoreWrite &write : writes) {
        const QString text = boxTexts.value(write.box);
        if (const auto *textField = std::get_if<QString ActiveCase::*>(&write.field))
            activeCase.*(*textField) = text;
        else
            activeCase.*std::get<double ActiveCase::*>(write.field) = numbers.toDouble(text);
    }
}

} // namespace kavro
