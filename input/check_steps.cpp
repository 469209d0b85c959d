// The steps of the input check: each a bound on the boxes' values and the message it shows.
#include "input/check_steps.h"

#include <cmath>

namespace kavro::checksteps {

using enum CaseField;

namespace {

CheckStep refusal(std::function<bool(const CheckContext &)> applies, const QString &text,
                  MessageTitle title = MessageTitle::Blank)
{
    return CheckStep{std::move(applies), CheckMessage{text, title, false}};
}

CheckStep warning(std::function<bool(const CheckContext &)> applies, const QString &text)
{
    return CheckStep{std::move(applies), CheckMessage{text, MessageTitle::Blank, true}};
}

} // namespace

QList<CheckStep> fieldTests(WaterwayKind kind, const FieldMessageTable &messages)
{
    QList<CheckStep> steps;
    for (const CaseFieldSpec &spec : caseFieldsOf(kind)) {
        const CaseField field = spec.field;
        Q_ASSERT_X(messages.contains(field), "fieldTests", qPrintable(spec.name));
        const FieldMessages m = messages.value(field);
        steps << refusal([field](const CheckContext &c) { return !c.numbers().isNumber(c.text(field)); },
                         m.notNumber);
        // -0 is not below zero; only a value strictly under zero is refused.
        steps << refusal([field](const CheckContext &c) { return c.value(field) < 0.0; }, m.belowZero);
    }
    return steps;
}

QList<CheckStep> recordChecks(const RecordMessages &messages)
{
    // A single blank counts as a text: only the exactly empty box is refused.
    return {
        refusal([](const CheckContext &c) { return !c.numbers().isDate(c.recordText(kDateBox)); },
                messages.date),
        refusal([](const CheckContext &c) { return c.recordText(kPlaceBox).isEmpty(); }, messages.place),
        refusal([](const CheckContext &c) { return c.recordText(kAuthorBox).isEmpty(); }, messages.author),
    };
}

CheckStep aftDraughtRange()
{
    return refusal([](const CheckContext &c) { return c.value(DraughtAft) > 30.0; },
                   QStringLiteral("The input of draught at aft perpendicular is out of valid range."));
}

CheckStep foreDraughtRange()
{
    return refusal([](const CheckContext &c) { return c.value(DraughtFore) > 30.0; },
                   QStringLiteral("The input of draught at fore perpendicular is out of valid range."));
}

CheckStep blockCoefficientRange()
{
    return refusal(
        [](const CheckContext &c) {
            const double cb = c.value(BlockCoefficient);
            return cb < 0.5 || cb > 0.9;
        },
        QStringLiteral("The input of block coefficient is out of valid range."));
}

CheckStep breadthRange()
{
    return refusal(
        [](const CheckContext &c) {
            const double breadth = c.value(Breadth);
            return breadth <= 8.0 || breadth >= 100.0;
        },
        QStringLiteral("The input of breadth is out of valid range."));
}

CheckStep serviceSpeedRange()
{
    return refusal(
        [](const CheckContext &c) {
            const double speed = c.value(ServiceSpeed);
            return speed < 5.0 || speed > 30.0;
        },
        QStringLiteral("The input of service speed is out of valid range."));
}

CheckStep naturalDepthAboveZero()
{
    return refusal([](const CheckContext &c) { return c.value(NaturalDepth) <= 0.0; },
                   QStringLiteral("The input of natural depth is out of valid range."));
}

CheckStep draughtAboveZero()
{
    // Both draughts 0 leave nothing to divide the depth by.
    return refusal([](const CheckContext &c) { return !(c.governingDraught() > 0.0); },
                   QStringLiteral("The static depth-to-draught ratio cannot be formed. "
                                  "Please enter a draught above zero."));
}

CheckStep ratioFormable()
{
    // An extreme depth over a tiny draught overflows; the draught is not at fault, so the
    // message asks for nothing. The computation must never see such a case.
    return refusal([](const CheckContext &c) { return !std::isfinite(c.depthRatio()); },
                   QStringLiteral("The static depth-to-draught ratio cannot be formed."));
}

CheckStep staticRatio()
{
    // Written as "not above 1" so that a NaN ratio is refused here too.
    return refusal([](const CheckContext &c) { return !(c.depthRatio() > 1.0); },
                   QStringLiteral("The static under-keel clearance is below zero. "
                                  "Thus, ship kavro cannot be calculated."));
}

CheckStep naturalDepthWithinDepth(const QString &message)
{
    return refusal([](const CheckContext &c) { return c.value(NaturalDepth) > c.value(WaterDepth); }, message);
}

CheckStep minUkcRange()
{
    return refusal(
        [](const CheckContext &c) { return c.value(WaterDepth) - c.governingDraught() < c.value(MinUkc); },
        QStringLiteral("The input of minimum under-keel clearance is out of valid range."));
}

CheckStep widthForBreadth()
{
    return refusal(
        [](const CheckContext &c) { return c.value(Breadth) >= 10.0 && c.value(WaterwayWidth) < 10.0; },
        QStringLiteral("The input of canal width or ship breadth is illegal."), MessageTitle::Program);
}

CheckStep widthRange(const QString &message, WidthReading reading)
{
    return refusal(
        [reading](const CheckContext &c) {
            const double width = c.value(WaterwayWidth);
            const double compared = reading == WidthReading::WholeMetres ? RegionalNumbers::cut(width) : width;
            return 1.5 * c.value(Breadth) >= compared;
        },
        message, MessageTitle::Program);
}

CheckStep lowRatioWarning()
{
    return warning([](const CheckContext &c) { return c.depthRatio() <= 1.1; },
                   QStringLiteral("WARNING: The static depth-to-draught ratio is less than 1.1. This is below the "
                                  "minimum static under-keel clearance for which the kavro prediction method is "
                                  "primarily valid. Please note that this can increase the uncertainty of the "
                                  "calculated results and should be compensated for by an increase of the "
                                  "specified minimum under-keel clearance in order to stay on the safe side."));
}

CheckStep highRatioWarning()
{
    return warning([](const CheckContext &c) { return c.depthRatio() >= 1.4; },
                   QStringLiteral("WARNING: The static depth-to-draught ratio is exceeding 1.4. This is above the "
                                  "maximum static under-keel clearance for which the kavro prediction method is "
                                  "primarily valid. Please note that this can increase the uncertainty of the "
                                  "calculated results."));
}

} // namespace kavro::checksteps
