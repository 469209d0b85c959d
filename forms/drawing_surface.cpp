// The persistent drawing surface of a page.
#include "forms/drawing_surface.h"

#include "forms/font_faces.h"
#include "core/regional_numbers.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
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

bool paintable(double px, double py)
{
    return std::fabs(px) <= kPaintLimit && std::fabs(py) <= kPaintLimit;
}

// The designed platform drew on whole pixels.
QPoint onPixels(double px, double py)
{
    return QPoint(int(std::floor(px + 0.5)), int(std::floor(py + 0.5)));
}

QFont withoutKerning(QFont font)
{
    font.setKerning(false);
    return font;
}

QImage blankImage(QSize pixels, const QColor &background)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(background);
    return image;
}

// Lines, ticks and dashes stay crisp, one pixel where designed; text is smoothed like every
// other text of the page.
void preparePainter(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

} // namespace

DrawingSurface::DrawingSurface(QSize clientSize)
    : m_font(withoutKerning(designedFont(QStringLiteral("MS Sans Serif"), 8.25)))
{
    m_image = blankImage(clientSize.expandedTo(QSize(1, 1)), m_backColor);
    applyTwipsScale();
}

DrawingSurface::~DrawingSurface() = default;

DrawingSurface::Pass::Pass(DrawingSurface &surface)
{
    if (surface.m_painter)
        return;
    m_surface = &surface;
    surface.m_painter = std::make_unique<QPainter>(&surface.m_image);
    preparePainter(*surface.m_painter);
}

DrawingSurface::Pass::~Pass()
{
    if (m_surface)
        m_surface->m_painter.reset();
}

template<class Paint>
void DrawingSurface::paint(Paint &&paint)
{
    if (m_painter) {
        paint(*m_painter);
        return;
    }
    QPainter painter(&m_image);
    preparePainter(painter);
    paint(painter);
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
    // A pass keeps painting, on the new image.
    const bool inPass = m_painter != nullptr;
    m_painter.reset();
    m_image = resized;
    forgetStrokes();
    if (inPass) {
        m_painter = std::make_unique<QPainter>(&m_image);
        preparePainter(*m_painter);
    }
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

void DrawingSurface::setForeColor(const QColor &colour)
{
    if (colour != m_foreColor)
        forgetStrokes();
    m_foreColor = colour;
}

void DrawingSurface::setDrawWidth(int pixels)
{
    if (std::max(1, pixels) != m_drawWidth)
        forgetStrokes();
    m_drawWidth = std::max(1, pixels);
}

void DrawingSurface::setDrawStyle(DrawStyle style)
{
    if (style != m_drawStyle)
        forgetStrokes();
    m_drawStyle = style;
}

void DrawingSurface::setFont(const QFont &font)
{
    if (withoutKerning(font) == m_font)
        return;
    m_font = withoutKerning(font);
    m_glyphs.reset();
    forgetStrokes();
}

void DrawingSurface::setFontSize(double points)
{
    if (!std::isfinite(points) || points <= 0)
        return;
    QFont font = m_font;
    font.setPointSizeF(points);
    setFont(font);
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
    return pixelsToHeight(glyphs().lineHeight);
}

const DrawingSurface::Glyphs &DrawingSurface::glyphs() const
{
    if (m_glyphs)
        return *m_glyphs;
    m_glyphs = std::make_unique<Glyphs>();
    // The font as the image resolves it, at the image's 96 dots per inch.
    const QFont font(m_font, &m_image);
    m_glyphs->font = QRawFont::fromFont(font);
    m_glyphs->ascent = QFontMetrics(font, &m_image).ascent();
    m_glyphs->lineHeight = QFontMetricsF(font, &m_image).height();
    if (!m_glyphs->font.isValid())
        return *m_glyphs;
    for (char16_t ch = 32; ch < 127; ++ch) {
        const QChar qch(ch);
        quint32 index = 0;
        int count = 1;
        if (!m_glyphs->font.glyphIndexesForChars(&qch, 1, &index, &count) || index == 0)
            continue;
        QPointF advance;
        if (!m_glyphs->font.advancesForGlyphIndexes(&index, &advance, 1))
            continue;
        m_glyphs->index[ch] = index;
        m_glyphs->advance[ch] = advance.x();
    }
    return *m_glyphs;
}

bool DrawingSurface::firstTime(const Stroke &stroke)
{
    // Repeats come one after another as a rule, lines between texts too; a look at the last
    // stroke of the kind spares the hash.
    std::optional<Stroke> &last = m_lastOfKind[std::size_t(stroke.kind)];
    if (last == stroke)
        return false;
    last = stroke;
    const qsizetype before = m_strokes.size();
    m_strokes.insert(stroke);
    return m_strokes.size() != before;
}

void DrawingSurface::forgetStrokes()
{
    m_strokes.clear();
    m_lastOfKind = {};
    m_lastText.clear();
}

void DrawingSurface::fillBackground()
{
    forgetStrokes();
    if (!m_painter) {
        m_image.fill(m_backColor);
        return;
    }
    m_painter->save();
    m_painter->setCompositionMode(QPainter::CompositionMode_Source);
    m_painter->fillRect(m_image.rect(), m_backColor);
    m_painter->restore();
}

void DrawingSurface::Cls()
{
    fillBackground();
    setCurrentX(m_scaleLeft);
    setCurrentY(m_scaleTop);
    record(DrawRecord::Op::Clear, 0, 0, 0, 0);
}


void DrawingSurface::Line(double x1, double y1, double x2, double y2)
{
    const auto fx1 = toSingle(x1), fy1 = toSingle(y1), fx2 = toSingle(x2), fy2 = toSingle(y2);
    if (!fx1 || !fy1 || !fx2 || !fy2)
        return;
    const double px1 = xToPixels(*fx1), py1 = yToPixels(*fy1), px2 = xToPixels(*fx2), py2 = yToPixels(*fy2);
    if (paintable(px1, py1) && paintable(px2, py2)) {
        const QPoint from = onPixels(px1, py1), to = onPixels(px2, py2);
        if (firstTime({Stroke::Kind::Line, from.x(), from.y(), to.x(), to.y()}))
            paint([&](QPainter &painter) {
            QPen pen(m_foreColor, m_drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            // As on the old platform, dashes only exist for a one-pixel pen; wider lines stay solid.
            if (m_drawStyle == DrawStyle::Dashed && m_drawWidth == 1)
                pen.setDashPattern({18.0, 6.0});
            painter.setPen(pen);
            painter.drawLine(from, to);
            });
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
    const double px = xToPixels(*fx), py = yToPixels(*fy);
    if (paintable(px, py)) {
        const QPoint at = onPixels(px, py);
        if (firstTime({Stroke::Kind::Point, at.x(), at.y()}))
            paint([&](QPainter &painter) {
                painter.setPen(QPen(m_foreColor, m_drawWidth, Qt::SolidLine, Qt::RoundCap));
                painter.drawPoint(at);
            });
    }
    record(DrawRecord::Op::Point, *fx, *fy, *fx, *fy);
    m_currentX = *fx;
    m_currentY = *fy;
}

void DrawingSurface::Print(const QString &text)
{
    const double px = xToPixels(m_currentX), py = yToPixels(m_currentY);
    if (paintable(px, py))
        drawText(onPixels(px, py), text);
    record(DrawRecord::Op::Text, m_currentX, m_currentY, m_currentX, m_currentY, text);
    setCurrentX(m_scaleLeft);
    setCurrentY(double(m_currentY) + textHeight());
}

void DrawingSurface::drawText(QPoint topLeft, const QString &text)
{
    const Glyphs &glyphs = this->glyphs();
    const int baseline = topLeft.y() + glyphs.ascent;
    const bool ownGlyphs = std::all_of(text.begin(), text.end(), [&glyphs](QChar ch) {
        return ch.unicode() < 128 && glyphs.index[ch.unicode()] != 0;
    });
    // A character outside the font's own glyphs needs the platform's fallback faces.
    if (!ownGlyphs) {
        paint([&](QPainter &painter) {
            painter.setFont(m_font);
            painter.setPen(m_foreColor);
            painter.drawText(QPoint(topLeft.x(), baseline), text);
        });
        return;
    }
    // Glyph by glyph, so that a glyph already on the same pixels in the same colour is not
    // laid over itself: a smoothed edge drawn twice would come out darker. Texts printed one
    // over the other share most glyphs with the text before, which spares the hash.
    QList<quint32> indexes;
    QList<QPointF> positions;
    QList<Stroke> &strokes = m_thisText;
    strokes.clear();
    qreal x = 0;
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        const Stroke glyph{Stroke::Kind::Glyph, qint32(glyphs.index[c]), qRound((topLeft.x() + x) * 64), baseline};
        const bool sameAsBefore = strokes.size() < m_lastText.size() && m_lastText[strokes.size()] == glyph;
        if (!sameAsBefore && firstTime(glyph)) {
            indexes.append(glyphs.index[c]);
            positions.append(QPointF(x, 0));
        }
        strokes.append(glyph);
        x += glyphs.advance[c];
    }
    m_lastText.swap(strokes);
    if (indexes.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(glyphs.font);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    paint([&](QPainter &painter) {
        painter.setPen(m_foreColor);
        painter.drawGlyphRun(QPointF(topLeft.x(), baseline), run);
    });
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
