// What sets the three input pages apart: captions, picture, designed positions, the fields
// that empty the hint on Enter, what OK stores and whether the page leaves for its results.
#pragma once

#include "core/case_fields.h"
#include "core/waterway_kind.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace kavro {

// A value box with its label; the label ends just left of the box, on the same top.
struct FieldDesign
{
    CaseField field = CaseField::DraughtAft;
    QString label;
    double left = 0;
    double top = 0;
};

struct ConditionDesign
{
    WaterwayKind kind = WaterwayKind::DepthRestricted;
    QString name;
    QString caption;
    QString picture;
    QSizeF clientSize;
    double pictureLeft = 0;
    double shipFrameWidth = 0;
    QRectF waterwayFrame;
    // Label and place of every box of the kind; which boxes a kind has, and their order (also
    // the focus order), come from the field table.
    QList<FieldDesign> fields;
    QRectF hintLine;
    QRectF buttonFrame;
    double cancelLeft = 0;
    double dataBaseLeft = 0;
    double okLeft = 0;
    // Boxes whose Enter empties the hint line before moving on; Enter moves on in every box.
    QList<CaseField> clearsOnEnter;
    // Boxes whose loss of the focus empties the hint line.
    QList<CaseField> clearsOnLostFocus;
    // The channel page makes way for its results page; the others stay beneath it.
    bool hidesForResults = false;

    const FieldDesign *fieldDesign(CaseField field) const;
};

const ConditionDesign &conditionDesign(WaterwayKind kind);

// Shared by every page.
inline constexpr double kFieldWidth = 615;
inline constexpr double kFieldHeight = 285;
inline constexpr double kButtonWidth = 1215;
inline constexpr double kButtonHeight = 375;
inline constexpr double kButtonTop = 5880;
inline constexpr double kDataFrameTop = 3720;
inline constexpr double kShipFrameLeft = 240;
inline constexpr double kShipFrameHeight = 2655;
inline constexpr double kPictureWidth = 8505;
inline constexpr double kPictureHeight = 3615;

inline const QString kHintText = QStringLiteral("The specified minimum under-keel clearance represents ")
                                 + QStringLiteral("the clearance required after the kavro effect is included.");

} // namespace kavro
