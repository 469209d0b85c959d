// The designed differences of the depth-restricted, canal and channel input pages.
#include "input/condition_design.h"

namespace kavro {

namespace {

using enum CaseField;

QList<FieldDesign> shipFields()
{
    return {
        {DraughtAft, QStringLiteral("Draught at aft perpendicular [m]"), 2880, 4080},
        {DraughtFore, QStringLiteral("Draught at fore perpendicular [m]"), 2880, 4440},
        {Breadth, QStringLiteral("Breadth [m]"), 2880, 4800},
        {BlockCoefficient, QStringLiteral("Block coefficient [ - ]"), 2880, 5160},
        {ServiceSpeed, QStringLiteral("Service speed [kts]"), 2880, 5520},
        {MinUkc, QStringLiteral("Min. under-keel clearance [m]"), 2880, 5880},
    };
}

// The box that loses the focus and empties the hint is the same on every page: the channel
// page's K and W are taken over by the other two, so leaving K never leaves a stale hint.
const QList<CaseField> lostFocusClears{Breadth, BlockCoefficient, MinUkc, WaterwayWidth};

ConditionDesign depthRestricted()
{
    ConditionDesign d;
    d.kind = WaterwayKind::DepthRestricted;
    d.name = QStringLiteral("Condition1");
    d.caption = QStringLiteral("DEPTH-RESTRICTED CONDITIONS");
    d.picture = QStringLiteral(":/depth_restricted.svg");
    d.clientSize = {9045, 6570};
    d.pictureLeft = 240;
    d.shipFrameWidth = 3495;
    d.waterwayFrame = {5040, kDataFrameTop, 3735, 975};
    d.fields = shipFields() << FieldDesign{WaterDepth, QStringLiteral("Water depth [m]"), 7800, 4200};
    d.hintLine = {3840, 4800, 5175, 855};
    d.buttonFrame = {3960, 5640, 4815, 735};
    d.cancelLeft = 4080;
    d.dataBaseLeft = 5760;
    d.okLeft = 7440;
    d.clearsOnEnter = {DraughtFore, Breadth, BlockCoefficient};
    d.clearsOnLostFocus = lostFocusClears;
    return d;
}

ConditionDesign canal()
{
    ConditionDesign d;
    d.kind = WaterwayKind::Canal;
    d.name = QStringLiteral("Condition2");
    d.caption = QStringLiteral("CANAL CONDITIONS");
    d.picture = QStringLiteral(":/canal.svg");
    d.clientSize = {9165, 6960};
    d.pictureLeft = 360;
    d.shipFrameWidth = 3615;
    d.waterwayFrame = {5040, kDataFrameTop, 3735, 1215};
    d.fields = shipFields() << FieldDesign{WaterwayWidth, QStringLiteral("Canal width [m]"), 8040, 4080}
                            << FieldDesign{WaterDepth, QStringLiteral("Canal depth [m]"), 8040, 4440};
    d.hintLine = {3960, 5040, 5175, 735};
    d.buttonFrame = {4080, 5640, 4695, 735};
    d.cancelLeft = 4320;
    d.dataBaseLeft = 5880;
    d.okLeft = 7440;
    d.clearsOnEnter = {Breadth, BlockCoefficient, MinUkc, WaterwayWidth};
    d.clearsOnLostFocus = lostFocusClears;
    return d;
}

ConditionDesign channel()
{
    ConditionDesign d;
    d.kind = WaterwayKind::Channel;
    d.name = QStringLiteral("Condition3");
    d.caption = QStringLiteral("CHANNEL CONDITIONS");
    d.picture = QStringLiteral(":/channel.svg");
    d.clientSize = {9045, 6390};
    d.pictureLeft = 240;
    d.shipFrameWidth = 3495;
    d.waterwayFrame = {4920, kDataFrameTop, 3855, 1335};
    d.fields = shipFields() << FieldDesign{WaterwayWidth, QStringLiteral("Channel width [m]"), 7920, 3960}
                            << FieldDesign{WaterDepth, QStringLiteral("Channel depth [m]"), 7920, 4320}
                            << FieldDesign{NaturalDepth, QStringLiteral("Natural depth [m]"), 7920, 4680};
    d.hintLine = {3840, 5160, 5295, 495};
    d.buttonFrame = {3840, 5640, 4935, 735};
    d.cancelLeft = 4080;
    d.dataBaseLeft = 5760;
    d.okLeft = 7440;
    d.clearsOnEnter = {Breadth, BlockCoefficient, MinUkc, WaterwayWidth};
    d.clearsOnLostFocus = lostFocusClears;
    d.hidesForResults = true;
    return d;
}

} // namespace

const FieldDesign *ConditionDesign::fieldDesign(CaseField field) const
{
    for (const FieldDesign &design : fields)
        if (design.field == field)
            return &design;
    return nullptr;
}

const ConditionDesign &conditionDesign(WaterwayKind kind)
{
    static const ConditionDesign designs[] = {depthRestricted(), canal(), channel()};
    return designs[static_cast<int>(kind)];
}

} // namespace kavro
