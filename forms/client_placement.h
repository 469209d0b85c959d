// Placement of controls by their position in the window's client area, whatever frame holds them.
#pragma once

#include "forms/form.h"

namespace kavro {

// Designed positions count from the window's client area even for controls inside a frame;
// the frame's own offset (and that of any frame around it) is taken off here.
inline void placeInClient(Form &form, QWidget *control, double left, double top, double width, double height)
{
    for (QWidget *parent = control->parentWidget(); parent && parent != &form; parent = parent->parentWidget()) {
        const QRectF frame = form.geometryTwips(parent);
        left -= frame.left();
        top -= frame.top();
    }
    form.placeTwips(control, left, top, width, height);
}

} // namespace kavro
