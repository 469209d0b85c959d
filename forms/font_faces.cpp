// Designed font faces and their installed stand-ins.
#include "forms/font_faces.h"

namespace kavro {

namespace {

struct FaceStandIn
{
    const char *designed;
    const char *installed;
    QFont::StyleHint hint;
};

// The Liberation faces share the widths and heights of the designed faces, which keeps texts
// inside the boxes they were measured for.
constexpr FaceStandIn kStandIns[] = {
    {"Times New Roman", "Liberation Serif", QFont::Serif},
    {"Arial", "Liberation Sans", QFont::SansSerif},
    {"MS Sans Serif", "Liberation Sans", QFont::SansSerif},
    {"Courier New", "Liberation Mono", QFont::Monospace},
};

const FaceStandIn *standInFor(const QString &face)
{
    for (const FaceStandIn &standIn : kStandIns) {
        if (face.compare(QLatin1String(standIn.designed), Qt::CaseInsensitive) == 0)
            return &standIn;
    }
    return nullptr;
}

} // namespace

QString installedFace(const QString &designedFace)
{
    const FaceStandIn *standIn = standInFor(designedFace);
    return standIn ? QString::fromLatin1(standIn->installed) : designedFace;
}

QFont designedFont(const QString &face, double points, bool bold)
{
    QFont font(installedFace(face));
    if (const FaceStandIn *standIn = standInFor(face))
        font.setStyleHint(standIn->hint);
    if (points > 0)
        font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont defaultPageFont()
{
    return designedFont(QStringLiteral("MS Sans Serif"), 8.25);
}

} // namespace kavro
