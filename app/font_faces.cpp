// The designed font faces mapped onto installed faces with the same metrics.
#include "app/font_faces.h"

namespace kavro {

namespace {

QString installedFace(const QString &face)
{
    if (face == QLatin1String("Times New Roman"))
        return QStringLiteral("Liberation Serif");
    if (face == QLatin1String("Courier New"))
        return QStringLiteral("Liberation Mono");
    if (face == QLatin1String("Arial") || face == QLatin1String("MS Sans Serif"))
        return QStringLiteral("Liberation Sans");
    return face;
}

} // namespace

QFont designedFont(const QString &face, double points, bool bold)
{
    QFont font(installedFace(face));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace kavro
