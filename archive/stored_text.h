// What a text field of the case table may hold, and the validator that keeps a line box to it.
#pragma once

#include <QString>
#include <QValidator>

namespace kavro {

enum class TextLines { One, Many };

// The text a field stores for what was typed, pasted or set: valid text (a lone surrogate is
// dropped) without control characters. A line break (\n, \r\n, \r, U+2028, U+2029) becomes a
// blank in a one-line field and \n in a many-line one, which also keeps tabs.
// A limit above 0 is the most characters the table's CHECK takes, counted as SQLite's length()
// counts them (code points); as every character the user sees has at least one, the text then
// also shows no more than the limit. Whole characters as the user sees them (grapheme clusters)
// are cut, never a part of one: first those just before the cursor, so that what was typed or
// pasted into a full box is what goes; with no cursor, or none left before it, those at the end.
// The cursor, when given, is moved to the same place in the result.
QString storedText(const QString &text, TextLines lines, int limit = 0, int *cursor = nullptr);

// Keeps a one-line box to storedText() as the user types or pastes and as the program sets it.
class StoredTextValidator : public QValidator
{
    Q_OBJECT
public:
    StoredTextValidator(int limit, QObject *parent) : QValidator(parent), m_limit(limit) {}

    int limit() const { return m_limit; }
    State validate(QString &input, int &pos) const override;

private:
    int m_limit = 0;
};

} // namespace kavro
