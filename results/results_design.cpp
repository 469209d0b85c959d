// The designed contents and positions of the three results pages.
#include "results/results_design.h"

namespace kavro {

namespace {

const QColor kEchoBlack(0, 0, 0);
const QColor kEchoDarkGrey(64, 64, 64);

// The six ship lines every page starts with. The clearance line is black on every page,
// whatever colour the page gives its other lines.
QList<EchoLine> shipLines(const QColor &colour)
{
    return {
        {QStringLiteral("text1"), QStringLiteral("Draught at aft perpendicular.: "), CaseField::DraughtAft, colour},
        {QStringLiteral("Text2"), QStringLiteral("Draught at fore perpendicular: "), CaseField::DraughtFore, colour},
        {QStringLiteral("Text3"), QStringLiteral("Breadth......................: "), CaseField::Breadth, colour},
        {QStringLiteral("Text4"), QStringLiteral("Block coefficient............: "), CaseField::BlockCoefficient, colour},
        {QStringLiteral("Text5"), QStringLiteral("Service speed................: "), CaseField::ServiceSpeed, colour},
        {QStringLiteral("text6"), QStringLiteral("Min. under-keel clearance....: "), CaseField::MinUkc, kEchoBlack},
    };
}

ResultsDesign depthRestricted()
{
    ResultsDesign d;
    d.kind = WaterwayKind::DepthRestricted;
    d.name = QStringLiteral("Results1");
    d.caption = QStringLiteral("COMPUTATIONAL RESULTS  -   DEPTH-RESTRICTED CONDITIONS");
    d.pageFace = QStringLiteral("Times New Roman");
    d.pagePoints = 9.75;
    d.clientWidth = 9615;
    d.clientHeight = 6900;
    d.inputFrame = {120, 4680, 4335, 2175};
    d.echoLeft = 240;
    d.echoTop = 4920;
    d.echoWidth = 4095;
    d.echo = shipLines(kEchoBlack);
    d.echo.append({QStringLiteral("Text7"), QStringLiteral("Water depth..................: "), CaseField::WaterDepth, kEchoBlack});
    d.mainResultsIsFrame3 = true;
    d.mainResultsFrame = {4560, 4680, 4935, 1455};
    d.buttonBox = {4560, 6120, 4935, 735};
    d.valueBoxesInFrame = true;
    d.valueLeft = 3720;
    d.valueTop = 240;
    d.maxDraughtPrompt = {4680, 5760, 3495, 285};
    d.buttonTop = 6360;
    d.print = {4800, 855};
    d.newCalculation = {5760, 1335};
    d.validity = {7200, 1095};
    d.exit = {8400, 855};
    return d;
}

ResultsDesign canal()
{
    ResultsDesign d;
    d.kind = WaterwayKind::Canal;
    d.name = QStringLiteral("Results2");
    d.caption = QStringLiteral("COMPUTATIONAL RESULTS - CANAL CONDITIONS");
    d.pageFace = QStringLiteral("MS Sans Serif");
    d.pagePoints = 8.25;
    d.clientWidth = 9615;
    d.clientHeight = 6900;
    d.inputFrame = {0, 4560, 4455, 2295};
    d.echoLeft = 120;
    d.echoTop = 4800;
    d.echoWidth = 4215;
    d.echo = shipLines(kEchoDarkGrey);
    d.echo.append({QStringLiteral("Text7"), QStringLiteral("Canal width..................: "),
                   CaseField::WaterwayWidth, kEchoDarkGrey});
    d.echo.append({QStringLiteral("Text9"), QStringLiteral("Canal depth..................: "), CaseField::WaterDepth, kEchoDarkGrey});
    d.mainResultsIsFrame3 = false;
    d.mainResultsFrame = {4560, 4560, 4935, 1575};
    d.buttonBox = {4560, 6120, 4935, 735};
    // On this page the value boxes lie on the page over the frame, at the same places.
    d.valueBoxesInFrame = false;
    d.valueLeft = 8280;
    d.valueTop = 4800;
    d.maxDraughtPrompt = {4680, 5640, 3495, 285};
    d.buttonTop = 6360;
    d.print = {4680, 855};
    d.newCalculation = {5640, 1335};
    d.validity = {7080, 1215};
    d.exit = {8400, 855};
    d.narrowWidthLine = QStringLiteral("No result: the width of the last canal case is too narrow for the latest case.");
    return d;
}

ResultsDesign channel()
{
    ResultsDesign d;
    d.kind = WaterwayKind::Channel;
    d.name = QStringLiteral("Results3");
    d.caption = QStringLiteral("COMPUTATIONAL RESULTS - CHANNEL CONDITIONS");
    d.pageFace = QStringLiteral("MS Sans Serif");
    d.pagePoints = 8.25;
    d.clientWidth = 9615;
    d.clientHeight = 6975;
    d.inputFrame = {120, 4560, 4335, 2415};
    d.echoLeft = 240;
    d.echoTop = 4800;
    d.echoWidth = 4095;
    d.lastEchoHeight = 240;
    d.echo = shipLines(kEchoDarkGrey);
    d.echo.append({QStringLiteral("Text7"), QStringLiteral("Channel width................: "),
                   CaseField::WaterwayWidth, kEchoDarkGrey});
    d.echo.append({QStringLiteral("Text9"), QStringLiteral("Channel depth................: "),
                   CaseField::WaterDepth, kEchoDarkGrey});
    d.echo.append({QStringLiteral("Text10"), QStringLiteral("Natural depth................: "),
                   CaseField::NaturalDepth, kEchoDarkGrey});
    d.mainResultsIsFrame3 = false;
    d.mainResultsFrame = {4560, 4560, 4935, 1695};
    d.buttonBox = {4560, 6240, 4935, 735};
    d.valueBoxesInFrame = true;
    d.valueLeft = 3720;
    d.valueTop = 240;
    d.maxDraughtPrompt = {4680, 5640, 3495, 285};
    d.buttonTop = 6480;
    d.print = {4680, 975};
    d.newCalculation = {5760, 1335};
    d.validity = {7200, 1095};
    d.exit = {8400, 855};
    d.narrowWidthLine = QStringLiteral("No result: the width of the last channel case is too narrow for the latest case.");
    return d;
}

} // namespace

const ResultsDesign &resultsDesign(WaterwayKind kind)
{
    static const ResultsDesign designs[] = {depthRestricted(), canal(), channel()};
    switch (kind) {
    case WaterwayKind::DepthRestricted: return designs[0];
    case WaterwayKind::Canal: return designs[1];
    case WaterwayKind::Channel: return designs[2];
    }
    return designs[0];
}

} // namespace kavro
