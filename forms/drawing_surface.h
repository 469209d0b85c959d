// The persistent drawing surface of a page: an image with the old drawing operations on it
// (user scale, pen position, lines, points and printed text) and the state they keep.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <cstdint>

namespace kavro {

class RegionalNumbers;

enum class DrawStyle { Solid = 0, Dashed = 1 };

// One drawing operation as it was asked for, in user units, for tests to inspect.
struct DrawRecord
{
    enum class Op { Clear, Line, Point, Text };
    Op op = Op::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a point or a text's top-left is (x1, y1)
    QString text;
    QColor colour;
    int width = 1;
    DrawStyle style = DrawStyle::Solid;
};

class DrawingSurface
{
public:
    static constexpr int kTwipsPerPixel = 15;

    explicit DrawingSurface(QSize clientSize = QSize(640, 480));

    // The 16-colour palette by number (0 black ... 7 light grey, 8 dark grey ... 15 white);
    // a number outside 0..15 gives black.
    static QColor QBColor(int n);
    // A colour number with red in the low byte, then green, then blue.
    static QColor colorFromValue(uint32_t value);

    const QImage &image() const { return m_image; }
    QSize clientSize() const { return m_image.size(); }
    // Keeps what is drawn (new area in the background colour) and the user scale's corners on
    // the corners of the new client area.
    void setClientSize(QSize pixels);

    // Scale: twips until Scale() is called, then the user's corners.
    bool hasUserScale() const { return m_userScale; }
    double scaleLeft() const { return m_scaleLeft; }
    double scaleTop() const { return m_scaleTop; }
    double scaleWidth() const { return m_scaleWidth; }
    double scaleHeight() const { return m_scaleHeight; }
    // Maps (x1, y1) on the client area's top-left and (x2, y2) on its bottom-right. A scale
    // without extent or with a non-finite corner is refused and the old scale stays.
    bool Scale(double x1, double y1, double x2, double y2);

    double xToPixels(double x) const;
    double yToPixels(double y) const;
    double pixelsToX(double px) const;
    double pixelsToY(double py) const;
    double widthToPixels(double width) const;
    double heightToPixels(double height) const;
    double pixelsToWidth(double px) const;
    double pixelsToHeight(double py) const;

    // State that clearing keeps.
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &colour) { m_foreColor = colour; }
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels);
    DrawStyle drawStyle() const { return m_drawStyle; }
    void setDrawStyle(DrawStyle style) { m_drawStyle = style; }
    QFont font() const { return m_font; }
    void setFont(const QFont &font) { m_font = font; }
    void setFontSize(double points);
    QColor backColor() const { return m_backColor; }
    // Like the old runtime, a new background colour also wipes what is drawn; the pen stays.
    void setBackColor(const QColor &colour);

    // The pen position is single precision: every write rounds to float; a value that is not
    // finite as a float is ignored.
    float currentX() const { return m_currentX; }
    float currentY() const { return m_currentY; }
    void setCurrentX(double x);
    void setCurrentY(double y);

    // Height of one text line and width of a text, in user units.
    double textHeight() const;
    double textWidth(const QString &text) const;

    // Fills with the background colour and puts the pen on the scale's top-left.
    void Cls();
    // Coordinates are taken in single precision; a line or point with a coordinate that is not
    // finite is dropped whole and leaves the pen where it was.
    void Line(double x1, double y1, double x2, double y2);
    void LineTo(double x, double y);
    void PSet(double x, double y);
    // Top-left at the pen; afterwards the pen is at the scale's left edge, one line lower.
    void Print(const QString &text);
    void PrintNumber(double value, const RegionalNumbers &numbers);

    void setRecording(bool on) { m_recording = on; }
    const QList<DrawRecord> &records() const { return m_records; }
    void clearRecords() { m_records.clear(); }

private:
    void fillBackground();
    void record(DrawRecord::Op op, double x1, double y1, double x2, double y2, const QString &text = {});
    bool paintable(double px, double py) const;
    void applyTwipsScale();

    QImage m_image;
    bool m_userScale = false;
    double m_scaleLeft = 0, m_scaleTop = 0, m_scaleWidth = 1, m_scaleHeight = 1;
    QColor m_foreColor = Qt::black;
    // The old platform's button-face grey, the designed background of a page.
    QColor m_backColor = QColor(192, 192, 192);
    int m_drawWidth = 1;
    DrawStyle m_drawStyle = DrawStyle::Solid;
    QFont m_font;
    float m_currentX = 0, m_currentY = 0;
    bool m_recording = false;
    QList<DrawRecord> m_records;
};

} // namespace kavro
