// What sets the three results pages apart: captions, echo lines, fonts and designed positions.
#pragma once

#include "core/case_fields.h"
#include "core/waterway_kind.h"

#include <QColor>
#include <QList>
#include <QString>

namespace kavro {

// A designed rectangle in twips, relative to the control's parent (page or frame).
struct TwipsRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// A designed button: its place along the row of buttons.
struct ButtonPlace
{
    double left = 0;
    double width = 0;
};

// One line of the input echo: the label, then the field's value with the decimals and unit
// that the table of case fields gives it.
struct EchoLine
{
    QString box;   // objectName of its text box
    QString label; // 31 characters: the name padded with full stops, then ": "
    CaseField field = CaseField::DraughtAft;
    QColor colour = Qt::black;
};

struct ResultsDesign
{
    WaterwayKind kind = WaterwayKind::DepthRestricted;
    QString name;
    QString caption;
    // The page's own font; the graph prints its texts in this face.
    QString pageFace;
    double pagePoints = 8.25;
    double clientWidth = 9615;
    double clientHeight = 6900;

    TwipsRect inputFrame;
    double echoLeft = 0;
    double echoTop = 0;
    double echoWidth = 0;
    double lastEchoHeight = 285;
    QList<EchoLine> echo;

    // The main results frame is Frame3 on one page and Frame2 on the others; the button box
    // takes the other name.
    bool mainResultsIsFrame3 = false;
    TwipsRect mainResultsFrame;
    TwipsRect buttonBox;
    // The value boxes lie inside the main results frame, or on the page over it.
    bool valueBoxesInFrame = true;
    double valueLeft = 0;
    double valueTop = 0;
    TwipsRect maxDraughtPrompt;

    double buttonTop = 0;
    ButtonPlace print;
    ButtonPlace newCalculation;
    ButtonPlace validity;
    ButtonPlace exit;

    // What the page writes where its graph would stand when a width kept from the last case of
    // its kind leaves no water beside a later ship; empty on a page without banks.
    QString narrowWidthLine;
};

const ResultsDesign &resultsDesign(WaterwayKind kind);

// Height of every echo box but the last, and the distance between two echo lines.
inline constexpr double kEchoHeight = 285;
inline constexpr double kEchoPitch = 240;
inline constexpr double kResultsButtonHeight = 375;

} // namespace kavro
