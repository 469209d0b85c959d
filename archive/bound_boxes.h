// The boxes of a page bound to the columns of its current record: they show the record's texts,
// and whatever differs from what they were given to show is an edit waiting to be saved.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace kavro {

class BoundBoxes : public QObject
{
    Q_OBJECT
public:
    explicit BoundBoxes(QObject *parent = nullptr) : QObject(parent) {}

    void bind(QLineEdit *box, const QString &column);
    void bind(QPlainTextEdit *box, const QString &column);

    // Every bound box shows its column's text; a column without a text shows empty.
    void show(const QHash<QString, QString> &texts);
    // Columns whose box no longer holds the text it was given, with the box's text.
    QHash<QString, QString> edits() const;
    bool isEdited() const { return !edits().isEmpty(); }

    bool isBound(const QString &column) const;
    // The columns of every bound box, in the order they were bound.
    QStringList columns() const;
    bool setText(const QString &column, const QString &text);
    // The most characters the column's box takes, as the table counts them; 0 when no box limits
    // it. A line box keeps to its own StoredTextValidator's limit; binding gives one without a
    // limit to a box that has none, so that no bound box takes control characters.
    int maxLength(const QString &column) const;

signals:
    // A bound box's text changed, by the user or the program.
    void textEdited(const QString &column, const QString &text);

private:
    struct Binding
    {
        QPointer<QWidget> box;
        QString column;
        QString shown;
    };
    static QString textOf(const QWidget *box);
    static void putText(QWidget *box, const QString &text);

    QList<Binding> m_bindings;
};

} // namespace kavro
