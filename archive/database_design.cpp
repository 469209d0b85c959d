// The designed differences of the depth-restricted, canal and channel database pages.
#include "archive/database_design.h"

namespace kavro {

namespace {

DatabaseDesign depthRestricted()
{
    DatabaseDesign d;
    d.kind = WaterwayKind::DepthRestricted;
    d.name = QStringLiteral("frmCond1dat");
    d.caption = QStringLiteral("DATA BASE  -   DEPTH-RESTRICTED CONDITIONS");
    d.table = QStringLiteral("DepthRest");
    d.confirmationName = QStringLiteral("Cond1delete");
    d.defaultPlace = QStringLiteral("Shallow Water Area A");
    d.dateLabel = QStringLiteral("Date ");
    d.waterwayLabels = {{CaseField::WaterDepth, QStringLiteral("Water depth [m]")}};
    d.retrieveName = QStringLiteral("Command3");
    d.closeName = QStringLiteral("Command2");
    d.okName = QStringLiteral("Command1");
    d.clientSize = {9375, 6300};
    return d;
}

DatabaseDesign canal()
{
    DatabaseDesign d;
    d.kind = WaterwayKind::Canal;
    d.name = QStringLiteral("frmCond2dat");
    d.caption = QStringLiteral("DATA BASE  -  CANAL CONDITIONS");
    d.table = QStringLiteral("CanalCond");
    d.confirmationName = QStringLiteral("Cond2delete");
    d.defaultPlace = QStringLiteral("Canal A");
    d.dateLabel = QStringLiteral("Date  ");
    d.waterwayLabels = {{CaseField::WaterwayWidth, QStringLiteral("Canal width [m]")},
                        {CaseField::WaterDepth, QStringLiteral("Canal depth [m]")}};
    d.retrieveName = QStringLiteral("Command1");
    d.closeName = QStringLiteral("Cancel");
    d.okName = QStringLiteral("OK");
    d.clientSize = {9375, 6315};
    return d;
}

DatabaseDesign channel()
{
    DatabaseDesign d;
    d.kind = WaterwayKind::Channel;
    d.name = QStringLiteral("frmCond3Dat");
    d.caption = QStringLiteral("DATA BASE  -  CHANNEL CONDITIONS");
    d.table = QStringLiteral("ChannCon");
    d.confirmationName = QStringLiteral("Cond3delete");
    d.defaultPlace = QStringLiteral("Channel A");
    d.dateLabel = QStringLiteral("Date  ");
    d.waterwayLabels = {{CaseField::WaterwayWidth, QStringLiteral("Channel width [m]")},
                        {CaseField::WaterDepth, QStringLiteral("Channel depth [m]")},
                        {CaseField::NaturalDepth, QStringLiteral("Natural depth [m]")}};
    d.retrieveName = QStringLiteral("Command3");
    d.closeName = QStringLiteral("Command2");
    d.okName = QStringLiteral("Command1");
    d.okIsDefault = true;
    d.clientSize = {9450, 6255};
    return d;
}

} // namespace

const DatabaseDesign &databaseDesign(WaterwayKind kind)
{
    static const DatabaseDesign designs[] = {depthRestricted(), canal(), channel()};
    return designs[static_cast<int>(kind)];
}

QString valueLabel(const DatabaseDesign &design, CaseField field)
{
    if (auto it = design.waterwayLabels.find(field); it != design.waterwayLabels.end())
        return it->second;
    switch (field) {
    case CaseField::DraughtAft: return QStringLiteral("Draught at aft perpendicular [m]");
    case CaseField::DraughtFore: return QStringLiteral("Draught at fore perpendicular [m]");
    case CaseField::Breadth: return QStringLiteral("Breadth [m]");
    case CaseField::BlockCoefficient: return QStringLiteral("Block coefficient [ - ]");
    case CaseField::ServiceSpeed: return QStringLiteral("Service speed [kts]");
    case CaseField::MinUkc: return QStringLiteral("Min. under-keel clearance [m]");
    default: return QString();
    }
}

} // namespace kavro
