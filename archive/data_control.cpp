// The data control of a database page: connection, current record, bound boxes, grid and strip.
#include "archive/data_control.h"

#include "archive/bound_boxes.h"
#include "archive/case_table_model.h"
#include "archive/grid_cell_delegate.h"
#include "archive/sql_name.h"

#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <functional>
#include <limits>
#include <optional>

namespace kavro {

namespace {

// Another program writing to the file gets this long to finish before a save gives up.
constexpr int kBusyTimeoutMs = 3000;
const QString kTeller = QStringLiteral("Teller");
const QString kDate = QStringLiteral("Date");
const QString kRemoved = QStringLiteral("The record is no longer in the table: another program removed it.");

std::atomic<int> connectionCount{0};

int engineNumber(const QSqlError &error)
{
    bool ok = false;
    const int number = error.nativeErrorCode().toInt(&ok);
    return ok ? number : 1;
}

QString engineText(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

bool isIsoDate(const QString &text)
{
    return text.size() == 10 && QDate::fromString(text, QStringLiteral("yyyy-MM-dd")).isValid();
}

} // namespace

struct DataControl::Private
{
    explicit Private(DataControl *control) : q(control) {}

    QSqlDatabase database() const { return QSqlDatabase::database(connectionName, false); }
    bool isPending() const { return model->hasPending() && current == model->storedCount(); }
    QHash<QString, QString> edits() const;
    // What Validate is told: whether leaving the current record would save edits.
    int saveFlag() const { return current >= 0 && !edits().isEmpty() ? 1 : 0; }

    void report(int number, const QString &text);
    void report(const QSqlError &error) { report(engineNumber(error), engineText(error)); }
    // False after reporting the engine's reason for refusing the statement.
    bool prepare(QSqlQuery &query, const QString &statement);

    bool openConnection();
    // Bound columns the table lacks; a missing table has none to compare and lacks nothing here.
    QStringList missingColumns(QSqlError *error);
    void closeConnection();

    // Makes the record of a row current (none for -1); false when it could not be read. A record
    // that another program removed is passed over in the direction of the move.
    bool show(int row, bool backwards = false);
    // A new record; its Teller box stays empty when no record number is left.
    void showPending(std::optional<qint64> teller);
    bool save();
    bool leave(int save);
    void move(DataAction action, const std::function<int()> &target);
    void chooseRow(int row);
    bool editCell(int row, const QString &column, const QString &text);
    void commitCellEdit();
    // None when every record number has been given out.
    std::optional<qint64> nextTeller();
    void syncGrid();
    // Reads the list of records again after another program changed it; no record is current then.
    bool reread();
    void skipRemoved(qint64 teller, bool backwards);
    void keepAsNewRecord();

    DataControl *q;
    QString path;
    QString table;
    const QString connectionName = QStringLiteral("kavro-data-%1").arg(++connectionCount);
    bool readOnly = false;
    bool isOpen = false;

    CaseTableModel *model = nullptr;
    BoundBoxes *boxes = nullptr;
    QPointer<QTableView> grid;
    QLabel *captionLabel = nullptr;

    // Row of the current record; the record being added has the row after the stored ones.
    int current = -1;
    // Where the next and previous moves start when there is no current record.
    int hint = 0;
    // The current record as stored (for a record being added: its Teller and Date).
    QHash<QString, QString> record;
    // Edited grid cells of columns that no box shows.
    QHash<QString, QString> cellEdits;
    QVariant lastModified;
    // Set while the control itself moves the grid, so the grid's move is not taken as the user's.
    int syncing = 0;
    // Set while the record the user chose in the grid is made current.
    bool choosingRow = false;
    std::optional<QSqlQuery> recordQuery;
};

QHash<QString, QString> DataControl::Private::edits() const
{
    QHash<QString, QString> changed = boxes->edits();
    for (auto it = cellEdits.cbegin(); it != cellEdits.cend(); ++it)
        changed.insert(it.key(), it.value());
    changed.remove(kTeller);
    return changed;
}

void DataControl::Private::report(int number, const QString &text)
{
    int response = 1;
    emit q->Error(number, text, &response);
    if (response != 0)
        qWarning("Data error %d: %s", number, qPrintable(text));
}

bool DataControl::Private::prepare(QSqlQuery &query, const QString &statement)
{
    if (query.prepare(statement))
        return true;
    // Executing a refused statement would only complain about its parameters.
    report(query.lastError());
    return false;
}

bool DataControl::Private::openConnection()
{
    if (path.isEmpty() || !QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        report(kNoDatabaseError, path.isEmpty() ? QStringLiteral("No database file is named.")
                                                : QStringLiteral("The SQLite driver is not installed."));
        return false;
    }
    QSqlError error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        // The URI's mode keeps SQLite from creating a file that is not there.
        QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        uri.setQuery(readOnly ? QStringLiteral("mode=ro") : QStringLiteral("mode=rw"));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        QString options = QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
        if (readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        if (!db.open())
            error = db.lastError();
    }
    // The first read finds a missing table, a damaged file or a lock held by another program.
    // A missing column must be found before: a quoted name SQLite does not know reads as a text.
    const QStringList missing = error.isValid() ? QStringList() : missingColumns(&error);
    if (!error.isValid() && missing.isEmpty()) {
        ++syncing;
        model->select(connectionName, table, &error);
        --syncing;
    }
    if (error.isValid() || !missing.isEmpty()) {
        closeConnection();
        if (error.isValid())
            report(error);
        else
            report(kMissingColumnError, QStringLiteral("The table %1 has no column %2.")
                                            .arg(table, missing.join(QLatin1String(", "))));
        return false;
    }
    isOpen = true;
    return true;
}

QStringList DataControl::Private::missingColumns(QSqlError *error)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    QStringList present;
    if (query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(sqlName(table)))) {
        while (query.next())
            present << query.value(1).toString();
    }
    if (query.lastError().isValid()) {
        *error = query.lastError();
        return {};
    }
    QStringList missing;
    // Every column a box or the grid shows; the table must have each of them.
    for (const QString &column : boxes->columns() + model->columns()) {
        if (!present.isEmpty() && !present.contains(column, Qt::CaseInsensitive) && !missing.contains(column))
            missing << column;
    }
    return missing;
}

void DataControl::Private::closeConnection()
{
    recordQuery.reset();
    ++syncing;
    model->clear();
    --syncing;
    isOpen = false;
    current = -1;
    record.clear();
    cellEdits.clear();
    if (QSqlDatabase::contains(connectionName)) {
        database().close();
        QSqlDatabase::removeDatabase(connectionName);
    }
}

bool DataControl::Private::show(int row, bool backwards)
{
    if (isOpen && row >= 0 && row < model->storedCount()) {
        if (!recordQuery) {
            recordQuery.emplace(database());
            recordQuery->setForwardOnly(true);
            if (!prepare(*recordQuery, QStringLiteral("SELECT * FROM %1 WHERE Teller = ?").arg(sqlName(table))))
                recordQuery.reset();
        }
        const qint64 teller = model->tellerAt(row);
        QHash<QString, QString> texts;
        bool removed = false;
        if (recordQuery) {
            recordQuery->bindValue(0, teller);
            if (recordQuery->exec() && recordQuery->next()) {
                const QSqlRecord fields = recordQuery->record();
                for (int i = 0; i < fields.count(); ++i)
                    texts.insert(fields.fieldName(i), fields.value(i).toString());
            } else if (recordQuery->lastError().isValid()) {
                report(recordQuery->lastError());
            } else {
                removed = true;
            }
            recordQuery->finish();
        }
        if (removed) {
            skipRemoved(teller, backwards);
            return false;
        }
        if (!texts.isEmpty()) {
            record = texts;
            cellEdits.clear();
            current = row;
            hint = row;
            model->setCurrent(current, record);
            boxes->show(record);
            syncGrid();
            return true;
        }
        // A file locked by another program for a while: stay where the user was, boxes as they are.
        if (current >= 0 && current < model->rowCount()) {
            syncGrid();
            return false;
        }
    }
    current = -1;
    record.clear();
    cellEdits.clear();
    model->setCurrent(-1, record);
    boxes->show(record);
    syncGrid();
    return row < 0;
}

void DataControl::Private::showPending(std::optional<qint64> teller)
{
    ++syncing;
    model->addPending();
    --syncing;
    current = model->storedCount();
    hint = current;
    cellEdits.clear();
    record = {{kTeller, teller ? QString::number(*teller) : QString()},
              {kDate, QDate::currentDate().toString(Qt::ISODate)}};
    model->setCurrent(current, record);
    boxes->show(record);
    syncGrid();
}

std::optional<qint64> DataControl::Private::nextTeller()
{
    // The table numbers a new record one past the highest number it ever gave; removed
    // numbers are not given again.
    qint64 highest = model->storedCount() > 0 ? model->tellerAt(model->storedCount() - 1) : 0;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"));
    query.bindValue(0, table);
    // Only a guess for the boxes until the record is saved, so a failed read changes nothing.
    if (query.exec() && query.next())
        highest = std::max(highest, query.value(0).toLongLong());
    if (highest == std::numeric_limits<qint64>::max())
        return std::nullopt;
    return highest + 1;
}

bool DataControl::Private::reread()
{
    QSqlError error;
    ++syncing;
    const bool read = model->select(connectionName, table, &error);
    --syncing;
    current = -1;
    record.clear();
    if (!read)
        report(error);
    return read;
}

void DataControl::Private::skipRemoved(qint64 teller, bool backwards)
{
    report(kRecordGoneError, kRemoved);
    const int count = reread() ? model->storedCount() : 0;
    // The removed record's place in the list read again is that of the first record after it.
    const int row = model->firstRowFrom(teller) - (backwards ? 1 : 0);
    show(count == 0 ? -1 : std::clamp(row, 0, count - 1), backwards);
}

void DataControl::Private::keepAsNewRecord()
{
    // What the boxes show stays, typed or not, so that Update can store the case again.
    QHash<QString, QString> texts = record;
    const QHash<QString, QString> typed = edits();
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        texts.insert(it.key(), it.value());
    report(kRecordGoneError, kRemoved + QStringLiteral(" What you typed is kept as a new record; Update stores it."));
    reread();
    showPending(nextTeller());
    texts.insert(kTeller, record.value(kTeller));
    if (!typed.contains(kDate))
        texts.insert(kDate, record.value(kDate));
    // Grid columns that no box shows carry their texts over as cell edits.
    for (const QString &column : model->columns()) {
        if (!boxes->isBound(column) && !record.contains(column) && !texts.value(column).isEmpty())
            cellEdits.insert(column, texts.value(column));
    }
    model->setCurrent(current, texts);
    // Measured against the new record's Teller and Date, every other text is an edit to store.
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (it.key() != kTeller)
            boxes->setText(it.key(), it.value());
    }
    emit q->Reposition();
}

bool DataControl::Private::save()
{
    if (!isOpen || current < 0)
        return false;
    const QHash<QString, QString> changed = edits();
    QSqlQuery query(database());
    if (isPending()) {
        QHash<QString, QString> values = changed;
        if (!values.contains(kDate))
            values.insert(kDate, record.value(kDate));
        QStringList names;
        QStringList texts;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            names << sqlName(it.key());
            texts << it.value();
        }
        if (!prepare(query, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(sqlName(table), names.join(QLatin1String(", ")),
                                     QStringList(names.size(), QStringLiteral("?")).join(QLatin1String(", ")))))
            return false;
        for (const QString &text : std::as_const(texts))
            query.addBindValue(text);
        if (!query.exec()) {
            report(query.lastError());
            return false;
        }
        const qint64 teller = query.lastInsertId().toLongLong();
        query.finish();
        ++syncing;
        model->storePending(teller);
        --syncing;
        lastModified = teller;
        show(model->rowOf(teller));
        return true;
    }

    const qint64 teller = model->tellerAt(current);
    if (!changed.isEmpty()) {
        QStringList assignments;
        QStringList texts;
        for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
            assignments << sqlName(it.key()) + QStringLiteral(" = ?");
            texts << it.value();
        }
        if (!prepare(query, QStringLiteral("UPDATE %1 SET %2 WHERE Teller = ?")
                                .arg(sqlName(table), assignments.join(QLatin1String(", ")))))
            return false;
        for (const QString &text : std::as_const(texts))
            query.addBindValue(text);
        query.addBindValue(teller);
        if (!query.exec()) {
            report(query.lastError());
            return false;
        }
        if (query.numRowsAffected() == 0) {
            keepAsNewRecord();
            return false;
        }
        model->rowSaved(current);
    }
    // With nothing to write, reading the record again is what finds it removed.
    if (!show(current) && changed.isEmpty())
        return false;
    lastModified = teller;
    return true;
}

bool DataControl::Private::leave(int saveFlag)
{
    if (current < 0)
        return true;
    const bool edited = !edits().isEmpty();
    if (isPending() && (!edited || saveFlag == 0)) {
        // A record that was added and never filled in is dropped, not stored empty.
        ++syncing;
        model->dropPending();
        --syncing;
        current = -1;
        record.clear();
        cellEdits.clear();
        return true;
    }
    if (saveFlag != 0 && edited)
        return save();
    return true;
}

void DataControl::Private::move(DataAction action, const std::function<int()> &target)
{
    if (!isOpen)
        return;
    commitCellEdit();
    int saveFlag = this->saveFlag();
    emit q->Validate(action, &saveFlag);
    if (leave(saveFlag)) {
        const int count = model->storedCount();
        const int row = target();
        if (row != -2) {
            show(count == 0 ? -1 : std::clamp(row, 0, count - 1), action == DataAction::MovePrevious);
            emit q->Reposition();
        }
    }
    emit q->ActionEnded();
}

void DataControl::Private::chooseRow(int row)
{
    choosingRow = true;
    move(DataAction::Bookmark, [row] { return row; });
    choosingRow = false;
    if (current != row) {
        // The grid is still moving to the chosen row; put it back once it is done.
        QMetaObject::invokeMethod(q, [this] { syncGrid(); }, Qt::QueuedConnection);
    }
}

bool DataControl::Private::editCell(int row, const QString &column, const QString &text)
{
    if (!isOpen || current < 0 || row != current || column == kTeller)
        return false;
    if (column == kDate && !isIsoDate(text)) {
        // The view lifts the editor's focus watch while it commits, so a message box shown from
        // here does not commit the cell a second time.
        report(kNotADateError, QStringLiteral("\"%1\" is not a date; the Date takes a date as yyyy-MM-dd.").arg(text));
        return false;
    }
    if (!boxes->setText(column, text)) {
        cellEdits.insert(column, text);
        model->setCurrentText(column, text);
    }
    return true;
}

void DataControl::Private::commitCellEdit()
{
    if (!grid)
        return;
    // A cell is edited on the current record; the strip takes no focus, so nothing else would
    // close its editor before the record is left.
    const QModelIndex cell = grid->currentIndex();
    QWidget *editor = grid->indexWidget(cell);
    QAbstractItemDelegate *delegate = grid->itemDelegateForIndex(cell);
    if (!editor || !delegate)
        return;
    // What the editor's own Enter does: the grid takes its text and closes it.
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void DataControl::Private::syncGrid()
{
    if (!grid || !grid->selectionModel())
        return;
    ++syncing;
    QItemSelectionModel *selection = grid->selectionModel();
    if (current < 0 || model->columnCount() == 0) {
        selection->clear();
    } else if (choosingRow) {
        // The grid may still be handling the press that chose the row: scrolling now would move
        // another row under the pointer, which the press then selects. The grid scrolls a row
        // it was clicked on into view by itself once no double click can follow.
        if (grid->currentIndex().row() == current && !selection->isRowSelected(current))
            selection->select(grid->currentIndex(), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        const QModelIndex index = model->index(current, std::max(0, grid->currentIndex().column()));
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        grid->scrollTo(index);
    }
    --syncing;
}

DataControl::DataControl(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Private>(this))
{
    d->model = new CaseTableModel(this);
    d->boxes = new BoundBoxes(this);
    d->model->setCellEditor([this](int row, const QString &column, const QString &text) {
        return d->editCell(row, column, text);
    });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto addButton = [&](const QString &name, QStyle::StandardPixmap icon, const QString &tip) {
        auto *button = new QToolButton(this);
        button->setObjectName(name);
        button->setIcon(style()->standardIcon(icon));
        button->setToolTip(tip);
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
        return button;
    };
    auto *first = addButton(QStringLiteral("First"), QStyle::SP_MediaSkipBackward, tr("First record"));
    auto *previous = addButton(QStringLiteral("Previous"), QStyle::SP_MediaSeekBackward, tr("Previous record"));
    d->captionLabel = new QLabel(this);
    d->captionLabel->setObjectName(QStringLiteral("Caption"));
    d->captionLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    d->captionLabel->setIndent(4);
    d->captionLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    layout->addWidget(d->captionLabel);
    auto *next = addButton(QStringLiteral("Next"), QStyle::SP_MediaSeekForward, tr("Next record"));
    auto *last = addButton(QStringLiteral("Last"), QStyle::SP_MediaSkipForward, tr("Last record"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    connect(first, &QToolButton::clicked, this, &DataControl::moveFirst);
    connect(previous, &QToolButton::clicked, this, &DataControl::movePrevious);
    connect(next, &QToolButton::clicked, this, &DataControl::moveNext);
    connect(last, &QToolButton::clicked, this, &DataControl::moveLast);
    connect(d->boxes, &BoundBoxes::textEdited, this, [this](const QString &column, const QString &text) {
        if (d->current >= 0)
            d->model->setCurrentText(column, text);
    });
    connect(d->model, &CaseTableModel::fetchFailed, this, [this](const QSqlError &error) { d->report(error); });
}

DataControl::~DataControl()
{
    // The grid may outlive the control; it must not call back into a control being destroyed.
    if (d->grid) {
        if (d->grid->selectionModel())
            disconnect(d->grid->selectionModel(), nullptr, this, nullptr);
        if (d->grid->model() == d->model)
            d->grid->setModel(nullptr);
    }
    d->closeConnection();
}

void DataControl::setDatabaseName(const QString &path)
{
    d->path = path;
}

void DataControl::setRecordSource(const QString &table)
{
    d->table = table;
}

void DataControl::setReadOnly(bool readOnly)
{
    d->readOnly = readOnly;
}

bool DataControl::open()
{
    // A retry that fails again leaves what was typed on a page without its table as it stands.
    const bool hadRecord = d->current >= 0;
    d->closeConnection();
    const bool opened = d->openConnection();
    if (opened || hadRecord)
        d->show(opened ? 0 : -1);
    emit Reposition();
    return opened;
}

bool DataControl::isOpen() const
{
    return d->isOpen;
}

void DataControl::bind(QLineEdit *box, const QString &column)
{
    d->boxes->bind(box, column);
    d->boxes->show(d->record);
}

void DataControl::bind(QPlainTextEdit *box, const QString &column)
{
    d->boxes->bind(box, column);
    d->boxes->show(d->record);
}

void DataControl::bindGrid(QTableView *grid, const QStringList &columns, const QStringList &headers)
{
    d->grid = grid;
    ++d->syncing;
    d->model->setColumns(columns, headers);
    grid->setModel(d->model);
    --d->syncing;
    grid->setItemDelegate(new GridCellDelegate(
        [this](int column) { return d->boxes->maxLength(d->model->columns().value(column)); }, grid));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::AnyKeyPressed);
    // Rows are one line high and never measured: measuring would read the whole table.
    grid->setWordWrap(false);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // The header measures only its first and last hundred rows; between them the marker of the
    // current record would find it shrunk to nothing. It keeps the width of a marked row.
    QStyleOptionHeader marked;
    marked.initFrom(grid->verticalHeader());
    marked.orientation = Qt::Vertical;
    marked.text = QStringLiteral("\u25B6");
    grid->verticalHeader()->setFixedWidth(
        grid->style()->sizeFromContents(QStyle::CT_HeaderSection, &marked, QSize(), grid->verticalHeader()).width());
    grid->horizontalHeader()->setStretchLastSection(true);
    const QFontMetrics metrics = grid->fontMetrics();
    for (int column = 0; column < columns.size(); ++column) {
        const bool date = columns.at(column) == kDate;
        grid->setColumnWidth(column, (date ? metrics.horizontalAdvance(QStringLiteral("0000-00-00"))
                                           : metrics.averageCharWidth() * 24) + 16);
    }
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &now) {
        if (d->syncing == 0 && now.isValid() && now.row() != d->current)
            d->chooseRow(now.row());
    });
    d->model->setCurrent(d->current, d->record);
    d->syncGrid();
}

bool DataControl::addNew()
{
    if (!d->isOpen)
        return false;
    d->commitCellEdit();
    int saveFlag = d->saveFlag();
    emit Validate(DataAction::AddNew, &saveFlag);
    bool added = false;
    if (d->leave(saveFlag)) {
        if (const std::optional<qint64> teller = d->nextTeller()) {
            d->showPending(*teller);
            added = true;
        } else {
            // The engine would refuse the record only when it is saved, as if the disk were full.
            d->report(kNoRecordNumberError,
                      QStringLiteral("Every record number of the table %1 is used up: no record can be added.")
                          .arg(d->table));
            if (d->current < 0)
                d->show(-1);
        }
        emit Reposition();
    }
    emit ActionEnded();
    return added;
}

bool DataControl::updateRecord()
{
    if (!d->isOpen || d->current < 0)
        return false;
    d->commitCellEdit();
    int saveFlag = 1;
    emit Validate(DataAction::Update, &saveFlag);
    const bool saved = saveFlag != 0 && d->save();
    emit ActionEnded();
    return saved;
}

QVariant DataControl::lastModified() const
{
    return d->lastModified;
}

void DataControl::setBookmark(const QVariant &bookmark)
{
    bool valid = false;
    const qint64 teller = bookmark.toLongLong(&valid);
    if (!valid)
        return;
    d->move(DataAction::Bookmark, [this, teller] {
        const int row = d->model->rowOf(teller);
        if (row >= 0)
            return row;
        d->report(kRecordGoneError, QStringLiteral("The record is no longer in the table."));
        d->show(d->current >= 0 ? d->current : -1);
        return -2;
    });
}

bool DataControl::deleteCurrent()
{
    if (!d->isOpen || d->current < 0)
        return false;
    d->commitCellEdit();
    int saveFlag = 0;
    emit Validate(DataAction::Delete, &saveFlag);
    bool deleted = true;
    const int row = d->current;
    if (d->isPending()) {
        ++d->syncing;
        d->model->dropPending();
        --d->syncing;
    } else {
        const qint64 teller = d->model->tellerAt(row);
        QSqlQuery query(d->database());
        deleted = d->prepare(query, QStringLiteral("DELETE FROM %1 WHERE Teller = ?").arg(sqlName(d->table)));
        if (deleted) {
            query.addBindValue(teller);
            deleted = query.exec();
            if (!deleted)
                d->report(query.lastError());
        }
        if (deleted) {
            ++d->syncing;
            d->model->removeStored(row);
            --d->syncing;
            if (d->lastModified == QVariant(teller))
                d->lastModified.clear();
        }
    }
    if (deleted) {
        d->show(-1);
        d->hint = row;
        emit Reposition();
    }
    emit ActionEnded();
    return deleted;
}

void DataControl::moveFirst()
{
    d->move(DataAction::MoveFirst, [] { return 0; });
}

void DataControl::movePrevious()
{
    d->move(DataAction::MovePrevious, [this] { return d->current < 0 ? d->hint - 1 : d->current - 1; });
}

void DataControl::moveNext()
{
    d->move(DataAction::MoveNext, [this] { return d->current < 0 ? d->hint : d->current + 1; });
}

void DataControl::moveLast()
{
    d->move(DataAction::MoveLast, [this] { return d->model->storedCount() - 1; });
}

void DataControl::refresh()
{
    if (!d->isOpen) {
        // A table that could not be opened is tried again only when asked to.
        open();
        return;
    }
    d->commitCellEdit();
    int saveFlag = d->saveFlag();
    emit Validate(DataAction::Refresh, &saveFlag);
    if (d->leave(saveFlag)) {
        d->closeConnection();
        d->show(d->openConnection() ? 0 : -1);
        emit Reposition();
    }
    emit ActionEnded();
}

void DataControl::commitCellEdit()
{
    d->commitCellEdit();
}

int DataControl::absolutePosition() const
{
    return d->current;
}

int DataControl::recordCount() const
{
    return d->model->storedCount();
}

QString DataControl::caption() const
{
    return d->captionLabel->text();
}

void DataControl::setCaption(const QString &caption)
{
    d->captionLabel->setText(caption);
}

} // namespace kavro
