// The designed font faces mapped onto installed faces with the same metrics.
#pragma once

#include <QFont>
#include <QString>

namespace kavro {

// "Times New Roman", "Arial", "MS Sans Serif" and "Courier New" map to the Liberation faces.
QFont designedFont(const QString &face, double points, bool bold = false);

} // namespace kavro
