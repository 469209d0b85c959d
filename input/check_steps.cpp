// The steps of the input check: each a bound on the boxes' values and the message it shows.
#include "input/check_steps.h"

#include <cmath>

namespace kavro::checksteps {

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

double v(const CheckContext &c, const char *field)
{
    return c.value(QLatin1String(field));
}

} // namespace

QList<CheckStep> fieldTests(const QList<FieldMessages> &fields)
{
    QList<CheckStep> steps;
    for (const FieldMessages &f : fields) {
        const QString field = f.field;
        steps << refusal([field](const CheckContext &c) { return !c.numbers().isNumber(c.text(field)); },
                         f.notNumber);
        // -0 is not below zero; only a value strictly under zero is refused.
        steps << refusal([field](const CheckContext &c) { return c.value(field) < 0.0; }, f.belowZero);
    }
    return steps;
}

QList<CheckStep> recordChecks(const RecordMessages &messages)
{
    // A single blank counts as a text: only the exactly empty box is refused.
    return {
        refusal([](const CheckContext &c) { return !c.numbers().isDate(c.text(QStringLiteral("Date"))); },
                messages.date),
        refusal([](const CheckContext &c) { return c.text(QStringLiteral("Place")).isEmpty(); }, messages.place),
        refusal([](const CheckContext &c) { return c.text(QStringLiteral("Author")).isEmpty(); }, messages.author),
    };
}

CheckStep aftDraughtRange()
{
    return refusal([](const CheckContext &c) { return v(c, "TA") > 30.0; },
                   QStringLiteral("The input of draught at aft perpendicular is out of valid range."));
}

CheckStep foreDraughtRange()
{
    return refusal([](const CheckContext &c) { return v(c, "TF") > 30.0; },
                   QStringLiteral("The input of draught at fore perpendicular is out of valid range."));
}

CheckStep blockCoefficientRange()
{
    return refusal([](const CheckContext &c) { return v(c, "CB") < 0.5 || v(c, "CB") > 0.9; },
                   QStringLiteral("The input of block coefficient is out of valid range."));
}

CheckStep breadthRange()
{
    return refusal([](const CheckContext &c) { return v(c, "B2") <= 8.0 || v(c, "B2") >= 100.0; },
                   QStringLiteral("The input of breadth is out of valid range."));
}

CheckStep serviceSpeedRange()
{
    return refusal([](const CheckContext &c) { return v(c, "SS") < 5.0 || v(c, "SS") > 30.0; },
                   QStringLiteral("The input of service speed is out of valid range."));
}

CheckStep naturalDepthAboveZero()
{
    return refusal([](const CheckContext &c) { return v(c, "HB") <= 0.0; },
                   QStringLiteral("The input of natural depth is out of valid range."));
}

CheckStep ratioFormable()
{
    // Both draughts 0, or an extreme depth over a tiny draught, leave no ratio to compare;
    // the computation must never see such a case.
    return refusal([](const CheckContext &c) { return !std::isfinite(c.depthRatio()); },
                   QStringLiteral("The static depth-to-draught ratio cannot be formed. "
                                  "Please enter a draught above zero."));
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
    return refusal([](const CheckContext &c) { return v(c, "HB") > v(c, "H"); }, message);
}

CheckStep minUkcRange()
{
    return refusal([](const CheckContext &c) { return v(c, "H") - c.governingDraught() < v(c, "K"); },
                   QStringLiteral("The input of minimum under-keel clearance is out of valid range."));
}

CheckStep widthForBreadth()
{
    return refusal([](const CheckContext &c) { return v(c, "B2") >= 10.0 && v(c, "W") < 10.0; },
                   QStringLiteral("The input of canal width or ship breadth is illegal."), MessageTitle::Program);
}

CheckStep widthRange(const QString &message, WidthReading reading)
{
    return refusal(
        [reading](const CheckContext &c) {
            const double width = reading == WidthReading::WholeMetres ? RegionalNumbers::cut(v(c, "W")) : v(c, "W");
            return 1.5 * v(c, "B2") >= width;
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
