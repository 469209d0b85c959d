// Moving a results page's panels below the graph.
#include "results/panel_layout.h"

#include "forms/drawing_surface.h"
#include "forms/form.h"

namespace kavro {

namespace {

// The gap between the caption foot and the input frame, in metres of kavro.
constexpr double kGapBelowCaption = 0.1;

} // namespace

bool movePanelsBelowGraph(Form &page, const DrawingSurface &surface, const QList<QWidget *> &controls,
                          double captionFoot, double numberColumn)
{
    if (controls.isEmpty())
        return false;
    const double frameTop = surface.pixelsToY(page.geometryTwips(controls.first()).top() / kTwipsPerPixel);
    // Once moved, the frame lies below the caption foot and the test keeps it there.
    if (!(frameTop <= captionFoot - kGapBelowCaption))
        return false;
    const double offset = captionFoot - frameTop + kGapBelowCaption;
    for (QWidget *control : controls) {
        const QRectF twips = page.geometryTwips(control);
        const double top = surface.pixelsToY(twips.top() / kTwipsPerPixel) + offset;
        const double left = surface.pixelsToX(twips.left() / kTwipsPerPixel) + numberColumn;
        page.moveTwips(control, surface.xToPixels(left) * kTwipsPerPixel, surface.yToPixels(top) * kTwipsPerPixel);
    }
    return true;
}

} // namespace kavro
