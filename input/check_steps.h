// The steps a check plan is made of, each with its bound and its message.
#pragma once

#include "input/check_plan.h"

#include <QMap>

namespace kavro::checksteps {

// The two messages of one box's field test.
struct FieldMessages
{
    QString notNumber;
    QString belowZero;
};
using FieldMessageTable = QMap<CaseField, FieldMessages>;

struct RecordMessages
{
    QString date;
    QString place;
    QString author;
};

// How the width is held against one and a half breadths: as typed, or cut to whole metres
// (the database pages).
enum class WidthReading { AsEntered, WholeMetres };

// Each box of the kind in field order: numeric test, then below-zero test, before the next box.
QList<CheckStep> fieldTests(WaterwayKind kind, const FieldMessageTable &messages);
// Date, location and responsible of a stored case.
QList<CheckStep> recordChecks(const RecordMessages &messages);

CheckStep aftDraughtRange();
CheckStep foreDraughtRange();
CheckStep blockCoefficientRange();
CheckStep breadthRange();
CheckStep serviceSpeedRange();
CheckStep naturalDepthAboveZero();
// Refuse a ratio that cannot be formed, first for want of a draught; both run right before
// staticRatio().
CheckStep draughtAboveZero();
CheckStep ratioFormable();
CheckStep staticRatio();
CheckStep naturalDepthWithinDepth(const QString &message);
CheckStep minUkcRange();
CheckStep widthForBreadth();
CheckStep widthRange(const QString &message, WidthReading reading);
CheckStep lowRatioWarning();
CheckStep highRatioWarning();

} // namespace kavro::checksteps
