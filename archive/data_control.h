// The data control of a database page: one table of the case database, its current record,
// the boxes bound to its columns, the grid over the same rows, and the strip along the page's
// bottom edge that steps through the records and shows "Record: n".
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QTableView;

namespace kavro {

// Numbers of the errors the control finds by itself; the engine's errors carry the engine's number.
inline constexpr int kRecordGoneError = 1001;  // the record was removed by another program
inline constexpr int kNotADateError = 1002;    // a Date cell was given a text that is no date
inline constexpr int kNoDatabaseError = 1003;  // no database file named, or no SQLite driver
inline constexpr int kMissingColumnError = 1004;  // the table lacks a column that a box or the grid shows
inline constexpr int kNoRecordNumberError = 1005; // every record number has been given out

// What the record set is about to do when Validate is raised.
enum class DataAction { MoveFirst, MovePrevious, MoveNext, MoveLast, AddNew, Update, Delete, Bookmark, Refresh };

class DataControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    explicit DataControl(QWidget *parent = nullptr);
    ~DataControl() override;

    // The database file and the table of this page; open() reads them.
    void setDatabaseName(const QString &path);
    void setRecordSource(const QString &table);
    // Opens the file read-only from the next open() or refresh() on; every save is then refused.
    void setReadOnly(bool readOnly);
    // Opens the table read-write without ever creating the file, and makes the first record
    // current. A failure is reported once through Error and leaves no current record; a table
    // that lacks a bound column fails like a missing table.
    bool open();
    bool isOpen() const;

    // A bound box shows the current record's column as text; its edits are saved when the
    // control saves or leaves the record.
    void bind(QLineEdit *box, const QString &column);
    void bind(QPlainTextEdit *box, const QString &column);
    // The grid lists every record in the order they were added, the named columns under the
    // given headers; choosing a row makes that record current; an edited cell is saved like a box.
    void bindGrid(QTableView *grid, const QStringList &columns, const QStringList &headers);

    // Starts a new record, shown in the bound boxes with its Teller and today's Date from the
    // start, and in the grid's last row; it joins the table when saved. Left without an edit,
    // it is dropped. Its absolute position is the number of stored records. False when no record
    // was started: the record being left could not be saved, or no record number is left.
    bool addNew();
    // Saves the bound boxes into the current (or new) record and stays on it. False when the
    // engine refused; the edits stay in the boxes and Error has been raised.
    // A record that another program removed is found when it is saved or moved to: Error says so
    // once and the list of records is read again. Its edits stay in the boxes as a new record,
    // which the next save stores; without edits, a move goes on to the next record that exists.
    bool updateRecord();
    // Bookmark of the record saved last; setting the bookmark to it makes that record current.
    QVariant lastModified() const;
    void setBookmark(const QVariant &bookmark);
    // Removes the current record; afterwards there is no current record until a move.
    bool deleteCurrent();
    // Leaving a record saves the bound boxes' edits first; a failed save stays on the record.
    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();
    // Saves the current record's edits and reopens the table on its first record; a table that
    // could not be opened is tried again.
    void refresh();
    // An open grid cell editor hands its text to the current record, as its Enter would; every
    // action above does this first, so that a cell edit goes with its record like a box's.
    void commitCellEdit();
    // 0-based position of the current record in the order the records were added, -1 when none.
    int absolutePosition() const;
    // Stored records, the one being added not counted.
    int recordCount() const;

    QString caption() const;
    void setCaption(const QString &caption);

signals:
    // The engine failed (open, select, insert, update, delete, commit), with the engine's number
    // and text; or the control refused something itself (the k...Error numbers above). A handler
    // that reports the error itself sets *response to 0; otherwise it goes to the program's log.
    // A control whose table could not be opened reports that once; what is asked of it later
    // does nothing until refresh() opens it.
    void Error(int dataErr, const QString &description, int *response);
    // The current record changed (also to none).
    void Reposition();
    // Before an action on the record set; *save may be left as it is. It is 1 when the action
    // will save edits of the current record (always for Update); set to 0, they are not saved.
    void Validate(kavro::DataAction action, int *save);
    // Every action that raised Validate ends with this, whether it succeeded or failed, after
    // its Reposition if it had one; a page restores what it set for the action's duration.
    void ActionEnded();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace kavro
