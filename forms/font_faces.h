// The designed font faces of the windows, mapped onto the metric-compatible faces installed here.
#pragma once

#include <QFont>
#include <QString>

namespace kavro {

// The face installed in place of a designed face ("Times New Roman" -> "Liberation Serif", ...);
// a face without a stand-in is returned as it is.
QString installedFace(const QString &designedFace);

// A font of the designed face and size in points, so that windows lay out as they were designed.
QFont designedFont(const QString &face, double points, bool bold = false);

// The face every window and control has unless its design names another.
QFont defaultPageFont();

} // namespace kavro
