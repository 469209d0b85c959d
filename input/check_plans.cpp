// The plans of the three input pages and of their database pages: which steps, in which order,
// with which messages.
#include "input/check_steps.h"

namespace kavro {

namespace {

using namespace checksteps;

using enum CaseField;

// The ship boxes, alike on every page but for one message of the channel database page.
FieldMessageTable shipMessages()
{
    return {
        {DraughtAft,
         {QStringLiteral("The input of draught at aft perpendicular is illegal. Please use only numbers and a decimal separator."),
          QStringLiteral("The input of draught at aft perpendicular is illegal. Please do not use numbers below zero.")}},
        {DraughtFore,
         {QStringLiteral("The input of draught at fore perpendicular is illegal. Please use only numbers and a decimal separator."),
          QStringLiteral("The input of draught at fore perpendicular is illegal. Please do not use numbers below zero.")}},
        {Breadth,
         {QStringLiteral("The input of breadth is illegal. Please use only numbers and a decimal separator."),
          QStringLiteral("The input of breadth is illegal. Please do not use numbers below zero.")}},
        {BlockCoefficient,
         {QStringLiteral("The input of block coefficient is illegal. Please use only numbers and a decimal separator."),
          QStringLiteral("The input of block coefficient is illegal. Please do not use numbers below zero.")}},
        {ServiceSpeed,
         {QStringLiteral("The input of service speed is illegal. Please use only numbers and a decimal separator."),
          QStringLiteral("The input of service speed is illegal. Please do not use numbers below zero.")}},
        {MinUkc,
         {QStringLiteral("The input of minimum under-keel clearance is illegal. Please use only numbers and a decimal separator."),
          QStringLiteral("The input of minimum under-keel clearance is illegal. Please do not use numbers below zero.")}},
    };
}

FieldMessageTable depthRestrictedMessages()
{
    FieldMessageTable messages = shipMessages();
    messages.insert(WaterDepth,
                    {QStringLiteral("The input of water depth is illegal. Please use only numbers and a decimal separator."),
                     QStringLiteral("The input of water depth is illegal. Please do not use numbers below zero.")});
    return messages;
}

FieldMessageTable canalMessages()
{
    FieldMessageTable messages = shipMessages();
    messages.insert(WaterwayWidth,
                    {QStringLiteral("The input of canal width is illegal. Please use only numbers and a decimal separator."),
                     QStringLiteral("The input of canal width is illegal. Please do not use numbers below zero.")});
    messages.insert(WaterDepth,
                    {QStringLiteral("The input of canal depth is illegal. Please use only numbers and a decimal separator."),
                     QStringLiteral("The input of canal depth is illegal. Please do not use numbers below zero.")});
    return messages;
}

// Only the canal input page spells it "seperator"; its database page does not.
FieldMessageTable canalInputMessages()
{
    FieldMessageTable messages = canalMessages();
    messages[WaterDepth].notNumber =
        QStringLiteral("The input of canal depth is illegal. Please use only numbers and a decimal seperator.");
    return messages;
}

FieldMessageTable channelMessages()
{
    FieldMessageTable messages = shipMessages();
    messages.insert(WaterwayWidth,
                    {QStringLiteral("The input of channel width is illegal. Please use only numbers and a decimal separator."),
                     QStringLiteral("The input of channel width is illegal. Please do not use numbers below zero.")});
    messages.insert(WaterDepth,
                    {QStringLiteral("The input of channel depth is illegal. Please use only numbers and a decimal separator."),
                     QStringLiteral("The input of channel depth is illegal. Please do not use numbers below zero.")});
    messages.insert(NaturalDepth,
                    {QStringLiteral("The input of natural depth is illegal. Please use only numbers and a decimal separator."),
                     QStringLiteral("The input of natural depth is illegal. Please do not use numbers below zero.")});
    return messages;
}

// The channel database page runs two words together.
FieldMessageTable channelDatabaseMessages()
{
    FieldMessageTable messages = channelMessages();
    messages[MinUkc].belowZero =
        QStringLiteral("The input of minimum under-keel clearanceis illegal. Please do not use numbers below zero.");
    return messages;
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
    return {aftDraughtRange(), foreDraughtRange(), draughtAboveZero(), ratioFormable(), staticRatio(),
            minUkcRange(), lowRatioWarning(), highRatioWarning(), blockCoefficientRange(), breadthRange(),
            serviceSpeedRange()};
}

CheckPlan depthRestrictedInputPlan()
{
    return CheckPlan(fieldTests(WaterwayKind::DepthRestricted, depthRestrictedMessages()) + depthRestrictedSteps());
}

CheckPlan depthRestrictedDatabasePlan()
{
    return CheckPlan(recordChecks(recordMessages) + depthRestrictedInputPlan().steps());
}

CheckPlan canalInputPlan()
{
    return CheckPlan(fieldTests(WaterwayKind::Canal, canalInputMessages())
                     + QList<CheckStep>{aftDraughtRange(), foreDraughtRange(), blockCoefficientRange(), breadthRange(),
                                        serviceSpeedRange(), draughtAboveZero(), ratioFormable(), staticRatio(),
                                        minUkcRange(), widthForBreadth(),
                                        widthRange(canalWidthOutOfRange, WidthReading::AsEntered),
                                        lowRatioWarning(), highRatioWarning()});
}

// The database page tests the widths before the minimum under-keel clearance, and the width
// against one and a half breadths in whole metres.
CheckPlan canalDatabasePlan()
{
    return CheckPlan(recordChecks(recordMessages) + fieldTests(WaterwayKind::Canal, canalMessages())
                     + QList<CheckStep>{aftDraughtRange(), foreDraughtRange(), blockCoefficientRange(), breadthRange(),
                                        serviceSpeedRange(), draughtAboveZero(), ratioFormable(), staticRatio(),
                                        widthForBreadth(), widthRange(canalWidthOutOfRange, WidthReading::WholeMetres),
                                        minUkcRange(), lowRatioWarning(), highRatioWarning()});
}

CheckPlan channelInputPlan()
{
    return CheckPlan(fieldTests(WaterwayKind::Channel, channelMessages())
                     + QList<CheckStep>{aftDraughtRange(), foreDraughtRange(), blockCoefficientRange(), breadthRange(),
                                        serviceSpeedRange(), naturalDepthAboveZero(), draughtAboveZero(),
                                        ratioFormable(), staticRatio(), naturalDepthWithinDepth(naturalDepthOutOfRange),
                                        minUkcRange(), widthForBreadth(),
                                        widthRange(channelWidthOutOfRange, WidthReading::AsEntered),
                                        lowRatioWarning(), highRatioWarning()});
}

// The database page tests the natural depth against the depth before the ratio, has no
// minimum under-keel clearance step, and reads the width in whole metres.
CheckPlan channelDatabasePlan()
{
    return CheckPlan(recordChecks(channelRecordMessages) + fieldTests(WaterwayKind::Channel, channelDatabaseMessages())
                     + QList<CheckStep>{aftDraughtRange(), foreDraughtRange(), blockCoefficientRange(), breadthRange(),
                                        serviceSpeedRange(), naturalDepthAboveZero(),
                                        naturalDepthWithinDepth(naturalDepthOutOfRange + QLatin1Char(' ')),
                                        draughtAboveZero(), ratioFormable(), staticRatio(), widthForBreadth(),
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
