// The boxes of a page bound to the columns of its current record.
#include "archive/bound_boxes.h"

#include "archive/stored_text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace kavro {

namespace {

// Takes out of a multi-line box what its field must not hold; true when the box changed.
bool keepStoredText(QPlainTextEdit *box)
{
    const QString text = box->toPlainText();
    int position = box->textCursor().position();
    const QString kept = storedText(text, TextLines::Many, 0, &position);
    if (kept == text)
        return false;
    // One undo step with the paste that brought the characters in.
    QTextCursor cursor(box->document());
    cursor.joinPreviousEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(kept);
    cursor.endEditBlock();
    cursor.setPosition(position);
    box->setTextCursor(cursor);
    return true;
}

} // namespace

void BoundBoxes::bind(QLineEdit *box, const QString &column)
{
    if (!qobject_cast<const StoredTextValidator *>(box->validator()))
        box->setValidator(new StoredTextValidator(0, box));
    m_bindings.append({box, column, box->text()});
    connect(box, &QLineEdit::textChanged, this, [this, column](const QString &text) { emit textEdited(column, text); });
}

void BoundBoxes::bind(QPlainTextEdit *box, const QString &column)
{
    keepStoredText(box);
    m_bindings.append({box, column, box->toPlainText()});
    connect(box, &QPlainTextEdit::textChanged, this, [this, column, box] {
        // Cleaning the box changes its text again, and that change is the one reported.
        if (!keepStoredText(box))
            emit textEdited(column, box->toPlainText());
    });
}

QString BoundBoxes::textOf(const QWidget *box)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(box))
        return plain->toPlainText();
    return {};
}

void BoundBoxes::putText(QWidget *box, const QString &text)
{
    // Setting the same text again would move the cursor of a box the user is typing in.
    if (textOf(box) == text)
        return;
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        plain->setPlainText(text);
}

void BoundBoxes::show(const QHash<QString, QString> &texts)
{
    for (Binding &binding : m_bindings) {
        if (!binding.box)
            continue;
        putText(binding.box, texts.value(binding.column));
        // A box may hold less than it was given (a line box's limit); what it holds is the baseline.
        binding.shown = textOf(binding.box);
    }
}

QHash<QString, QString> BoundBoxes::edits() const
{
    QHash<QString, QString> changed;
    for (const Binding &binding : m_bindings) {
        if (!binding.box)
            continue;
        const QString text = textOf(binding.box);
        if (text != binding.shown)
            changed.insert(binding.column, text);
    }
    return changed;
}

bool BoundBoxes::isBound(const QString &column) const
{
    return std::any_of(m_bindings.cbegin(), m_bindings.cend(),
                       [&](const Binding &binding) { return binding.box && binding.column == column; });
}

QStringList BoundBoxes::columns() const
{
    QStringList bound;
    for (const Binding &binding : m_bindings)
        bound << binding.column;
    return bound;
}

bool BoundBoxes::setText(const QString &column, const QString &text)
{
    bool found = false;
    for (Binding &binding : m_bindings) {
        if (binding.box && binding.column == column) {
            putText(binding.box, text);
            found = true;
        }
    }
    return found;
}

int BoundBoxes::maxLength(const QString &column) const
{
    for (const Binding &binding : m_bindings) {
        const auto *line = qobject_cast<const QLineEdit *>(binding.box.data());
        if (line && binding.column == column) {
            if (const auto *rule = qobject_cast<const StoredTextValidator *>(line->validator()))
                return rule->limit();
        }
    }
    return 0;
}

} // namespace kavro
