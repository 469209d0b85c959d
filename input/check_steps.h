// The steps a check plan is made of, each with its bound and its message.
#pragma once

#include "input/check_plan.h"

namespace kavro::checksteps {

// The two messages of one box's field test.
struct FieldMessages
{
    QString field;
    QString notNumber;
    QString belowZero;
};

struct RecordMessages
{
    QString date;
    QString place;
    QString author;
};

// How step 12 reads the width: as typed, or cut to whole metres (the database pages).
enum class WidthReading { AsEntered, WholeMetres };

// Each box in turn: numeric test, then below-zero test, before the next box.
QList<CheckStep> fieldTests(const QList<FieldMessages> &fields);
// Date, location and responsible of a stored case.
QList<CheckStep> recordChecks(const RecordMessages &messages);

CheckStep aftDraughtRange();
CheckStep foreDraughtRange();
CheckStep blockCoefficientRange();
CheckStep breadthRange();
CheckStep serviceSpeedRange();
CheckStep naturalDepthAboveZero();
// Refuses a ratio that cannot be formed; runs right before staticRatio().
CheckStep ratioFormable();
CheckStep staticRatio();
CheckStep naturalDepthWithinDepth(const QString &message);
CheckStep minUkcRange();
CheckStep widthForBreadth();
CheckStep widthRange(const QString &message, WidthReading reading);
CheckStep lowRatioWarning();
CheckStep highRatioWarning();

} // namespace kavro::checksteps
