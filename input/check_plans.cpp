// The plans of the three input pages and of their database pages: which steps, in which order,
// with which messages.
#include "input/check_steps.h"

namespace kavro {

namespace {

using namespace checksteps;

// The six ship boxes every kind starts with.
QList<FieldMessages> shipFields(const QString &minUkcBelowZero)
{
    return {
        {QStringLiteral("TA"),
         QStringLiteral("The input of draught at aft perpendicular is illegal. Please use only numbers and a decimal separator."),
         QStringLiteral("The input of draught at aft perpendicular is illegal. Please do not use numbers below zero.")},
        {QStringLiteral("TF"),
         QStringLiteral("The input of draught at fore perpendicular is illegal. Please use only numbers and a decimal separator."),
         QStringLiteral("The input of draught at fore perpendicular is illegal. Please do not use numbers below zero.")},
        {QStringLiteral("B2"),
         QStringLiteral("The input of breadth is illegal. Please use only numbers and a decimal separator."),
         QStringLiteral("The input of breadth is illegal. Please do not use numbers below zero.")},
        {QStringLiteral("CB"),
         QStringLiteral("The input of block coefficient is illegal. Please use only numbers and a decimal separator."),
         QStringLiteral("The input of block coefficient is illegal. Please do not use numbers below zero.")},
        {QStringLiteral("SS"),
         QStringLiteral("The input of service speed is illegal. Please use only numbers and a decimal separator."),
         QStringLiteral("The input of service speed is illegal. Please do not use numbers below zero.")},
        {QStringLiteral("K"),
         QStringLiteral("The input of minimum under-keel clearance is illegal. Please use only numbers and a decimal separator."),
         minUkcBelowZero},
    };
}

const QString minUkcBelowZero =
    QStringLiteral("The input of minimum under-keel clearance is illegal. Please do not use numbers below zero.");
// The channel database page runs two words together.
const QString minUkcBelowZeroJoined =
    QStringLiteral("The input of minimum under-keel clearanceis illegal. Please do not use numbers below zero.");

const FieldMessages waterDepth{
    QStringLiteral("H"),
    QStringLiteral("The input of water depth is illegal. Please use only numbers and a decimal separator."),
    QStringLiteral("The input of water depth is illegal. Please do not use numbers below zero.")};
const FieldMessages canalWidth{
    QStringLiteral("W"),
    QStringLiteral("The input of canal width is illegal. Please use only numbers and a decimal separator."),
    QStringLiteral("The input of canal width is illegal. Please do not use numbers below zero.")};
// Only the canal input page spells it "seperator"; its database page does not.
const FieldMessages canalDepthInput{
    QStringLiteral("H"),
    QStringLiteral("The input of canal depth is illegal. Please use only numbers and a decimal seperator."),
    QStringLiteral("The input of canal depth is illegal. Please do not use numbers below zero.")};
const FieldMessages canalDepthDatabase{
    QStringLiteral("H"),
    QStringLiteral("The input of canal depth is illegal. Please use only numbers and a decimal separator."),
    QStringLiteral("The input of canal depth is illegal. Please do not use numbers below zero.")};
const FieldMessages channelWidth{
    QStringLiteral("W"),
    QStringLiteral("The input of channel width is illegal. Please use only numbers and a decimal separator."),
    QStringLiteral("The input of channel width is illegal. Please do not use numbers below zero.")};
const FieldMessages channelDepth{
    QStringLiteral("H"),
    QStringLiteral("The input of channel depth is illegal. Please use only numbers and a decimal separator."),
    QStringLiteral("The input of channel depth is illegal. Please do not use numbers below zero.")};
const FieldMessages naturalDepth{
    QStringLiteral("HB"),
    QStringLiteral("The input of natural depth is illegal. Please use only numbers and a decimal separator."),
    QStringLiteral("The input of natural depth is illegal. Please do not use numbers below zero.")};

QList<FieldMessages> depthRestrictedFields() { return shipFields(minUkcBelowZero) << waterDepth; }
QList<FieldMessages> canalInputFields() { return shipFields(minUkcBelowZero) << canalWidth << canalDepthInput; }
QList<FieldMessages> canalDatabaseFields() { return shipFields(minUkcBelowZero) << canalWidth << canalDepthDatabase; }
QList<FieldMessages> channelInputFields()
{
    return shipFields(minUkcBelowZero) << channelWidth << channelDepth << naturalDepth;
}
QList<FieldMessages> channelDatabaseFields()
{
    return shipFields(minUkcBelowZeroJoined) << channelWidth << channelDepth << naturalDepth;
}

const RecordMessages recordMessages{QStringLiteral("A value is required in the Date field."),
                                    QStringLiteral("A text is required in the Area field."),
                                    QStringLiteral("A text is required in the Author field.")};
// The channel database page ends its record messages without a period.
const RecordMessages channelRecordMessages{QStringLiteral("A value is required in the Date field"),
                                           QStringLiteral("A text is required in the Area field"),
                                           QStringLiteral("A text is required in the Author field")};

const QString naturalDepthOutOfRange = QStringLiteral("The input of natural depth is out of valid range.");
const QString canalWidthOutOfRange = QStringLiteral("The input of canal width is out of valid range.");
const QString channelWidthOutOfRange = QStringLiteral("The input of channel width is out of valid range.");

// The governing draught (T) needs no step of its own: the steps that use it form it from
// TA and TF, which have passed their field tests by then.

// On this page the ratio warnings come before the ship's ranges, so a warning may be
// followed by a refusal.
QList<CheckStep> depthRestrictedSteps()
{
    return {aftDraughtRange(), foreDraughtRange(), ratioFormable(),         staticRatio(),  minUkcRange(),
            lowRatioWarning(), highRatioWarning(), blockCoefficientRange(), breadthRange(), serviceSpeedRange()};
}

CheckPlan depthRestrictedInputPlan() { return CheckPlan(fieldTests(depthRestrictedFields()) + depthRestrictedSteps()); }

CheckPlan depthRestrictedDatabasePlan()
{
    return CheckPlan(recordChecks(recordMessages) + fieldTests(depthRestrictedFields()) + depthRestrictedSteps());
}

CheckPlan canalInputPlan()
{
    return CheckPlan(fieldTests(canalInputFields())
                     + QList<CheckStep>{aftDraughtRange(), foreDraughtRange(), blockCoefficientRange(), breadthRange(),
                                        serviceSpeedRange(), ratioFormable(), staticRatio(), minUkcRange(),
                                        widthForBreadth(),
                                        widthRange(canalWidthOutOfRange, WidthReading::AsEntered),
                                        lowRatioWarning(), highRatioWarning()});
}

// The database page tests the widths before the minimum under-keel clearance, and the width
// against one and a half breadths in whole metres.
CheckPlan canalDatabasePlan()
{
    return CheckPlan(recordChecks(recordMessages) + fieldTests(canalDatabaseFields())
                     + QList<CheckStep>{aftDraughtRange(), foreDraughtRange(), blockCoefficientRange(), breadthRange(),
                                        serviceSpeedRange(), ratioFormable(), staticRatio(), widthForBreadth(),
                                        widthRange(canalWidthOutOfRange, WidthReading::WholeMetres),
                                        minUkcRange(), lowRatioWarning(), highRatioWarning()});
}

CheckPlan channelInputPlan()
{
    return CheckPlan(fieldTests(channelInputFields())
                     + QList<CheckStep>{aftDraughtRange(), foreDraughtRange(), blockCoefficientRange(), breadthRange(),
                                        serviceSpeedRange(), naturalDepthAboveZero(), ratioFormable(), staticRatio(),
                                        naturalDepthWithinDepth(naturalDepthOutOfRange), minUkcRange(),
                                        widthForBreadth(),
                                        widthRange(channelWidthOutOfRange, WidthReading::AsEntered),
                                        lowRatioWarning(), highRatioWarning()});
}

// The database page tests the natural depth against the depth before the ratio, has no
// minimum under-keel clearance step, and reads the width in whole metres.
CheckPlan channelDatabasePlan()
{
    return CheckPlan(recordChecks(channelRecordMessages) + fieldTests(channelDatabaseFields())
                     + QList<CheckStep>{aftDraughtRange(), foreDraughtRange(), blockCoefficientRange(), breadthRange(),
                                        serviceSpeedRange(), naturalDepthAboveZero(),
                                        naturalDepthWithinDepth(naturalDepthOutOfRange + QLatin1Char(' ')),
                                        ratioFormable(), staticRatio(), widthForBreadth(),
                                        widthRange(channelWidthOutOfRange, WidthReading::WholeMetres),
                                        lowRatioWarning(), highRatioWarning()});
}

int index(WaterwayKind kind)
{
    return static_cast<int>(kind);
}

} // namespace

const CheckPlan &inputPagePlan(WaterwayKind kind)
{
    static const CheckPlan plans[] = {depthRestrictedInputPlan(), canalInputPlan(), channelInputPlan()};
    return plans[index(kind)];
}

const CheckPlan &databasePagePlan(WaterwayKind kind)
{
    static const CheckPlan plans[] = {depthRestrictedDatabasePlan(), canalDatabasePlan(), channelDatabasePlan()};
    return plans[index(kind)];
}

} // namespace kavro
