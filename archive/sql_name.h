// A table or column name written into SQL text, quoted so that no name can end the statement.
#pragma once

#include <QString>

namespace kavro {

inline QString sqlName(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace kavro
