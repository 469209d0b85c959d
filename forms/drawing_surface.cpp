// The persistent drawing surface of a page.
#include "forms/drawing_surface.h"

#include "forms/font_faces.h"
#include "core/regional_numbers.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <optional>

namespace kavro {

namespace {

// 96 dots per inch, so that one point of a font is 96/72 pixels as on the designed screen.
constexpr int kDotsPerMetre = 3780;
// Beyond this many pixels off the image nothing can show, and the rasteriser's fixed-point
// arithmetic is no longer safe.
constexpr double kPaintLimit = 1.0e6;

std::optional<float> toSingle(double value)
{
    const float single = static_cast<float>(value);
    if (!std::isfinite(single))
        return std::nullopt;
    return single;
}

QImage blankImage(QSize pixels, const QColor &background)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(background);
    return image;
}

// The drawing is crisp like the old one: no smoothing of lines or text.
void preparePainter(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

} // namespace

DrawingSurface::DrawingSurface(QSize clientSize)
    : m_font(designedFont(QStringLiteral("MS Sans Serif"), 8.25))
{
    m_image = blankImage(clientSize.expandedTo(QSize(1, 1)), m_backColor);
    applyTwipsScale();
}

QColor DrawingSurface::QBColor(int n)
{
    static const QColor palette[16] = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    if (n < 0 || n > 15)
        return palette[0];
    return palette[n];
}

QColor DrawingSurface::colorFromValue(uint32_t value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

void DrawingSurface::setClientSize(QSize pixels)
{
    pixels = pixels.expandedTo(QSize(1, 1));
    if (pixels == m_image.size())
        return;
    QImage resized = blankImage(pixels, m_backColor);
    {
        QPainter painter(&resized);
        painter.drawImage(0, 0, m_image);
    }
    m_image = resized;
    if (!m_userScale)
        applyTwipsScale();
}

void DrawingSurface::applyTwipsScale()
{
    m_scaleLeft = 0;
    m_scaleTop = 0;
    m_scaleWidth = double(m_image.width()) * kTwipsPerPixel;
    m_scaleHeight = double(m_image.height()) * kTwipsPerPixel;
}

bool DrawingSurface::Scale(double x1, double y1, double x2, double y2)
{
    const auto left = toSingle(x1), top = toSingle(y1), right = toSingle(x2), bottom = toSingle(y2);
    if (!left || !top || !right || !bottom)
        return false;
    const double width = double(*right) - double(*left);
    const double height = double(*bottom) - double(*top);
    if (width == 0 || height == 0 || !std::isfinite(width) || !std::isfinite(height))
        return false;
    m_userScale = true;
    m_scaleLeft = *left;
    m_scaleTop = *top;
    m_scaleWidth = width;
    m_scaleHeight = height;
    return true;
}

double DrawingSurface::xToPixels(double x) const
{
    return widthToPixels(x - m_scaleLeft);
}

double DrawingSurface::yToPixels(double y) const
{
    return heightToPixels(y - m_scaleTop);
}

double DrawingSurface::pixelsToX(double px) const
{
    return m_scaleLeft + pixelsToWidth(px);
}

double DrawingSurface::pixelsToY(double py) const
{
    return m_scaleTop + pixelsToHeight(py);
}

double DrawingSurface::widthToPixels(double width) const
{
    return width * m_image.width() / m_scaleWidth;
}

double DrawingSurface::heightToPixels(double height) const
{
    return height * m_image.height() / m_scaleHeight;
}

double DrawingSurface::pixelsToWidth(double px) const
{
    return px * m_scaleWidth / m_image.width();
}

double DrawingSurface::pixelsToHeight(double py) const
{
    return py * m_scaleHeight / m_image.height();
}

void DrawingSurface::setDrawWidth(int pixels)
{
    m_drawWidth = std::max(1, pixels);
}

void DrawingSurface::setFontSize(double points)
{
    if (std::isfinite(points) && points > 0)
        m_font.setPointSizeF(points);
}

void DrawingSurface::setBackColor(const QColor &colour)
{
    m_backColor = colour;
    fillBackground();
}

void DrawingSurface::setCurrentX(double x)
{
    if (const auto single = toSingle(x))
        m_currentX = *single;
}

void DrawingSurface::setCurrentY(double y)
{
    if (const auto single = toSingle(y))
        m_currentY = *single;
}

double DrawingSurface::textHeight() const
{
    return pixelsToHeight(QFontMetricsF(m_font, &m_image).height());
}

double DrawingSurface::textWidth(const QString &text) const
{
    return pixelsToWidth(QFontMetricsF(m_font, &m_image).horizontalAdvance(text));
}

void DrawingSurface::fillBackground()
{
    m_image.fill(m_backColor);
}

void DrawingSurface::Cls()
{
    fillBackground();
    setCurrentX(m_scaleLeft);
    setCurrentY(m_scaleTop);
    record(DrawRecord::Op::Clear, 0, 0, 0, 0);
}

bool DrawingSurface::paintable(double px, double py) const
{
    return std::fabs(px) <= kPaintLimit && std::fabs(py) <= kPaintLimit;
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2)
{
    const auto fx1 = toSingle(x1), fy1 = toSingle(y1), fx2 = toSingle(x2), fy2 = toSingle(y2);
    if (!fx1 || !fy1 || !fx2 || !fy2)
        return;
    const QPointF from(xToPixels(*fx1), yToPixels(*fy1));
    const QPointF to(xToPixels(*fx2), yToPixels(*fy2));
    if (paintable(from.x(), from.y()) && paintable(to.x(), to.y())) {
        QPainter painter(&m_image);
        preparePainter(painter);
        QPen pen(m_foreColor, m_drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        // As on the old platform, dashes only exist for a one-pixel pen; wider lines stay solid.
        if (m_drawStyle == DrawStyle::Dashed && m_drawWidth == 1)
            pen.setDashPattern({18.0, 6.0});
        painter.setPen(pen);
        painter.drawLine(from, to);
    }
    record(DrawRecord::Op::Line, *fx1, *fy1, *fx2, *fy2);
    m_currentX = *fx2;
    m_currentY = *fy2;
}

void DrawingSurface::LineTo(double x, double y)
{
    Line(m_currentX, m_currentY, x, y);
}

void DrawingSurface::PSet(double x, double y)
{
    const auto fx = toSingle(x), fy = toSingle(y);
    if (!fx || !fy)
        return;
    const QPointF at(xToPixels(*fx), yToPixels(*fy));
    if (paintable(at.x(), at.y())) {
        QPainter painter(&m_image);
        preparePainter(painter);
        painter.setPen(QPen(m_foreColor, m_drawWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawPoint(at);
    }
    record(DrawRecord::Op::Point, *fx, *fy, *fx, *fy);
    m_currentX = *fx;
    m_currentY = *fy;
}

void DrawingSurface::Print(const QString &text)
{
    const QPointF topLeft(xToPixels(m_currentX), yToPixels(m_currentY));
    if (paintable(topLeft.x(), topLeft.y())) {
        QFont font = m_font;
        font.setStyleStrategy(QFont::NoAntialias);
        QPainter painter(&m_image);
        preparePainter(painter);
        painter.setFont(font);
        painter.setPen(m_foreColor);
        const QFontMetricsF metrics(font, &m_image);
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    }
    record(DrawRecord::Op::Text, m_currentX, m_currentY, m_currentX, m_currentY, text);
    setCurrentX(m_scaleLeft);
    setCurrentY(double(m_currentY) + textHeight());
}

void DrawingSurface::PrintNumber(double value, const RegionalNumbers &numbers)
{
    Print(numbers.printed(value));
}

void DrawingSurface::record(DrawRecord::Op op, double x1, double y1, double x2, double y2, const QString &text)
{
    if (!m_recording)
        return;
    DrawRecord entry;
    entry.op = op;
    entry.x1 = x1;
    entry.y1 = y1;
    entry.x2 = x2;
    entry.y2 = y2;
    entry.text = text;
    entry.colour = op == DrawRecord::Op::Clear ? m_backColor : m_foreColor;
    entry.width = m_drawWidth;
    entry.style = m_drawStyle;
    m_records.append(entry);
}

} // namespace kavro
