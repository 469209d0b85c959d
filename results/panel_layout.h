// Moving a results page's panels below the graph, in the graph's user units.
#pragma once

#include <QList>

class QWidget;

namespace kavro {

class DrawingSurface;
class Form;

// Moves the panels so that the input frame's top lands 0.1 below the caption foot and every
// panel shifts right by the number column, when the input frame's top is at or above
// captionFoot - 0.1; otherwise nothing moves. The first control is the input frame. Positions
// are read and written in exact twips and converted through the surface's current scale.
// Returns whether the panels moved.
bool movePanelsBelowGraph(Form &page, const DrawingSurface &surface, const QList<QWidget *> &controls,
                          double captionFoot, double numberColumn);

} // namespace kavro
