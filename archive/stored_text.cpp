// What a text field of the case table may hold.
#include "archive/stored_text.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace kavro {

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Drops what a field must not hold and turns line breaks as the field takes them.
QString withoutControls(const QString &text, TextLines lines, int *cursor)
{
    QString kept;
    kept.reserve(text.size());
    int keptCursor = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (cursor && keptCursor < 0 && i >= *cursor)
            keptCursor = int(kept.size());
        const QChar c = text.at(i);
        if (isLineBreak(c)) {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            kept += lines == TextLines::Many ? u'\n' : u' ';
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += text.at(++i);
        } else if (!c.isSurrogate() && (c.category() != QChar::Other_Control || (c == u'\t' && lines == TextLines::Many))) {
            kept += c;
        }
    }
    if (cursor)
        *cursor = keptCursor < 0 ? int(kept.size()) : keptCursor;
    return kept;
}

// Code points, as SQLite's length() counts them; the text holds no lone surrogate.
qsizetype codePoints(QStringView text)
{
    return text.size() - std::count_if(text.begin(), text.end(), [](QChar c) { return c.isHighSurrogate(); });
}

} // namespace

QString storedText(const QString &text, TextLines lines, int limit, int *cursor)
{
    const QString kept = withoutControls(text, lines, cursor);
    qsizetype excess = limit > 0 ? codePoints(kept) - limit : 0;
    if (excess <= 0)
        return kept;

    QList<qsizetype> bounds{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, kept);
    for (qsizetype bound = finder.toNextBoundary(); bound > 0; bound = finder.toNextBoundary())
        bounds << bound;
    const qsizetype count = bounds.size() - 1;
    QList<bool> cut(count, false);
    const auto cutFrom = [&](qsizetype grapheme) {
        cut[grapheme] = true;
        excess -= codePoints(QStringView(kept).sliced(bounds[grapheme], bounds[grapheme + 1] - bounds[grapheme]));
    };
    // The characters that end at the cursor go first, then those at the end.
    qsizetype atCursor = cursor ? std::upper_bound(bounds.cbegin(), bounds.cend(), *cursor) - bounds.cbegin() - 1 : count;
    for (qsizetype g = atCursor - 1; g >= 0 && excess > 0; --g)
        cutFrom(g);
    for (qsizetype g = count - 1; g >= atCursor && excess > 0; --g)
        cutFrom(g);

    QString result;
    for (qsizetype g = 0; g < count; ++g) {
        if (cursor && g == atCursor)
            *cursor = int(result.size());
        if (!cut[g])
            result += QStringView(kept).sliced(bounds[g], bounds[g + 1] - bounds[g]);
    }
    if (cursor && atCursor >= count)
        *cursor = int(result.size());
    return result;
}

QValidator::State StoredTextValidator::validate(QString &input, int &pos) const
{
    // The box takes the text as the field will store it, so what it shows is what is saved.
    input = storedText(input, TextLines::One, m_limit, &pos);
    return Acceptable;
}

} // namespace kavro
