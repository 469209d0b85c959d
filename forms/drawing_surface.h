// The persistent drawing surface of a page: an image with the old drawing operations on it
// (user scale, pen position, lines, points and printed text) and the state they keep.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRawFont>
#include <QSet>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QPainter;

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
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface &) = delete;
    DrawingSurface &operator=(const DrawingSurface &) = delete;

    // Holds one painter on the image for a whole drawing; primitives drawn outside a pass
    // open their own. A pass inside a pass changes nothing.
    class Pass
    {
    public:
        explicit Pass(DrawingSurface &surface);
        ~Pass();
        Pass(const Pass &) = delete;
        Pass &operator=(const Pass &) = delete;

    private:
        DrawingSurface *m_surface = nullptr;
    };

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
    void setForeColor(const QColor &colour);
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels);
    DrawStyle drawStyle() const { return m_drawStyle; }
    void setDrawStyle(DrawStyle style);
    QFont font() const { return m_font; }
    // Texts are set glyph by glyph without kerning, as the designed platform wrote them.
    void setFont(const QFont &font);
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

    // Height of one text line in user units.
    double textHeight() const;

    // Fills with the background colour and puts the pen on the scale's top-left.
    void Cls();
    // Coordinates are taken in single precision and land on whole pixels, as on the designed
    // platform; a line or point with a coordinate that is not finite is dropped whole and leaves
    // the pen where it was.
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
    // A line, point or glyph as it lands on the pixels.
    struct Stroke
    {
        enum class Kind : quint8 { Line, Point, Glyph };
        Kind kind = Kind::Line;
        qint32 a = 0, b = 0, c = 0, d = 0;
        bool operator==(const Stroke &other) const = default;
        friend size_t qHash(const Stroke &s, size_t seed = 0) { return qHashMulti(seed, quint8(s.kind), s.a, s.b, s.c, s.d); }
    };
    // The glyphs of the printable ASCII characters in the current font.
    struct Glyphs
    {
        QRawFont font;
        int ascent = 0;
        double lineHeight = 0;
        std::array<quint32, 128> index{};
        std::array<qreal, 128> advance{};
    };

    template<class Paint>
    void paint(Paint &&paint);
    // False when the same pen has already put this stroke on the pixels since it last changed:
    // drawing it again in its own colour changes nothing.
    bool firstTime(const Stroke &stroke);
    void forgetStrokes();
    const Glyphs &glyphs() const;
    void drawText(QPoint topLeft, const QString &text);
    void fillBackground();
    void record(DrawRecord::Op op, double x1, double y1, double x2, double y2, const QString &text = {});
    void applyTwipsScale();

    QImage m_image;
    std::unique_ptr<QPainter> m_painter; // open only during a pass
    QSet<Stroke> m_strokes;
    std::array<std::optional<Stroke>, 3> m_lastOfKind; // the last line, point and glyph put down
    QList<Stroke> m_lastText, m_thisText;              // the glyphs of the last text, and a scratch list
    mutable std::unique_ptr<Glyphs> m_glyphs; // built on first use for the current font
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
