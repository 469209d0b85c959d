// A value box of a results page.
#include "results/value_box.h"

#include <QFontMetrics>
#include <QPainter>

namespace kavro {

void ValueBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QString shown = text();
    // The first glyph's side bearing is given back, and nothing else takes a margin: the widest
    // values (": Bow&Stern", ": 999,999.0 m") need every pixel of the designed width. The
    // ampersand is a character here, not an access key.
    const int left = shown.isEmpty() ? 0 : -metrics.leftBearing(shown.front());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QPoint(left, metrics.ascent()), shown);
}

} // namespace kavro
