// The rows of one table of stored cases as the grid shows them.
#include "archive/case_table_model.h"

#include "archive/sql_name.h"

#include <QMetaObject>
#include <QSqlDatabase>
#include <QSqlRecord>

#include <algorithm>

namespace kavro {

namespace {

// Rows read together: a screenful and some, so scrolling reads seldom.
constexpr int kBlockRows = 64;

} // namespace

CaseTableModel::CaseTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

CaseTableModel::~CaseTableModel() = default;

void CaseTableModel::setColumns(const QStringList &columns, const QStringList &headers)
{
    beginResetModel();
    m_columns = columns;
    m_headers = headers;
    m_blockQuery.reset();
    m_blocks.clear();
    m_failedBlocks.clear();
    endResetModel();
}

bool CaseTableModel::select(const QString &connectionName, const QString &table, QSqlError *error)
{
    beginResetModel();
    m_blockQuery.reset();
    m_blocks.clear();
    m_failedBlocks.clear();
    m_tellers.clear();
    m_pending = false;
    m_currentRow = -1;
    m_currentTexts.clear();
    m_fetchFailed = false;
    m_connectionName = connectionName;
    m_table = table;

    QSqlQuery query(QSqlDatabase::database(connectionName, false));
    query.setForwardOnly(true);
    bool ok = query.exec(QStringLiteral("SELECT Teller FROM %1 ORDER BY Teller").arg(sqlName(table)));
    if (ok) {
        while (query.next())
            m_tellers.append(query.value(0).toLongLong());
        // A read that stops early (a file damaged past its first pages) ends with an error.
        ok = !query.lastError().isValid();
    }
    if (!ok) {
        if (error)
            *error = query.lastError();
        m_tellers.clear();
    }
    query.finish();
    endResetModel();
    return ok;
}

void CaseTableModel::clear()
{
    beginResetModel();
    m_blockQuery.reset();
    m_blocks.clear();
    m_failedBlocks.clear();
    m_fetchFailed = false;
    m_tellers.clear();
    m_pending = false;
    m_currentRow = -1;
    m_currentTexts.clear();
    m_connectionName.clear();
    endResetModel();
}

int CaseTableModel::rowOf(qint64 teller) const
{
    const int row = firstRowFrom(teller);
    return row < storedCount() && m_tellers.at(row) == teller ? row : -1;
}

int CaseTableModel::firstRowFrom(qint64 teller) const
{
    return int(std::lower_bound(m_tellers.cbegin(), m_tellers.cend(), teller) - m_tellers.cbegin());
}

void CaseTableModel::addPending()
{
    if (m_pending)
        return;
    const int row = storedCount();
    beginInsertRows({}, row, row);
    m_pending = true;
    endInsertRows();
}

void CaseTableModel::dropPending()
{
    if (!m_pending)
        return;
    const int row = storedCount();
    if (m_currentRow == row) {
        m_currentRow = -1;
        m_currentTexts.clear();
    }
    beginRemoveRows({}, row, row);
    m_pending = false;
    endRemoveRows();
}

void CaseTableModel::storePending(qint64 teller)
{
    const int row = storedCount();
    if (!m_pending || (!m_tellers.isEmpty() && teller <= m_tellers.last())) {
        // Only another program numbering records out of order gets here; read the list again.
        QSqlError ignored;
        select(m_connectionName, m_table, &ignored);
        return;
    }
    m_pending = false;
    m_tellers.append(teller);
    m_blocks.remove(row / kBlockRows);
    markRow(row);
}

void CaseTableModel::removeStored(int row)
{
    if (row < 0 || row >= storedCount())
        return;
    beginRemoveRows({}, row, row);
    m_tellers.removeAt(row);
    // Every later row moved up one place, so the blocks no longer hold what their index says.
    m_blocks.clear();
    m_failedBlocks.clear();
    if (m_currentRow == row) {
        m_currentRow = -1;
        m_currentTexts.clear();
    } else if (m_currentRow > row) {
        --m_currentRow;
    }
    endRemoveRows();
}

void CaseTableModel::rowSaved(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    m_blocks.remove(row / kBlockRows);
    markRow(row);
}

void CaseTableModel::setCurrent(int row, const QHash<QString, QString> &texts)
{
    for (const int failed : std::as_const(m_failedBlocks)) {
        m_blocks.remove(failed);
        const int first = failed * kBlockRows;
        const int last = std::min(storedCount(), first + kBlockRows) - 1;
        if (first <= last && !m_columns.isEmpty())
            emit dataChanged(index(first, 0), index(last, columnCount() - 1));
    }
    m_failedBlocks.clear();
    const int previous = m_currentRow;
    m_currentRow = row;
    m_currentTexts = texts;
    markRow(previous);
    markRow(row);
}

void CaseTableModel::setCurrentText(const QString &column, const QString &text)
{
    if (m_currentRow < 0)
        return;
    m_currentTexts.insert(column, text);
    const int column_ = int(m_columns.indexOf(column));
    if (column_ >= 0)
        emit dataChanged(index(m_currentRow, column_), index(m_currentRow, column_));
}

void CaseTableModel::markRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    if (!m_columns.isEmpty())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, row, row);
}

int CaseTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : storedCount() + (m_pending ? 1 : 0);
}

int CaseTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QStringList CaseTableModel::storedRow(int row) const
{
    const int blockIndex = row / kBlockRows;
    if (const Block *cached = m_blocks.object(blockIndex))
        return cached->value(row % kBlockRows);
    Block rows = readBlock(blockIndex);
    const QStringList texts = rows.value(row % kBlockRows);
    // The cache owns what it is given and may delete it at once, so nothing is read from it here.
    m_blocks.insert(blockIndex, new Block(std::move(rows)));
    return texts;
}

CaseTableModel::Block CaseTableModel::readBlock(int blockIndex) const
{
    const int first = blockIndex * kBlockRows;
    const int end = std::min(storedCount(), first + kBlockRows);
    if (first < 0 || first >= end)
        return {};
    Block rows(end - first, QStringList(m_columns.size()));
    QSqlError error;
    if (!m_blockQuery) {
        m_blockQuery.emplace(QSqlDatabase::database(m_connectionName, false));
        m_blockQuery->setForwardOnly(true);
        QStringList names;
        for (const QString &column : m_columns)
            names << sqlName(column);
        const QString select = QStringLiteral("SELECT Teller, %1 FROM %2 WHERE Teller BETWEEN ? AND ? ORDER BY Teller");
        if (!m_blockQuery->prepare(select.arg(names.join(QLatin1String(", ")), sqlName(m_table)))) {
            // The engine's reason; executing the refused statement would only report its parameters.
            error = m_blockQuery->lastError();
            m_blockQuery.reset();
        }
    }
    if (m_blockQuery) {
        QSqlQuery &query = *m_blockQuery;
        query.bindValue(0, m_tellers.at(first));
        query.bindValue(1, m_tellers.at(end - 1));
        bool ok = query.exec();
        int row = first;
        while (ok && query.next()) {
            const qint64 teller = query.value(0).toLongLong();
            // Rows another program removed meanwhile stay empty.
            while (row < end && m_tellers.at(row) < teller)
                ++row;
            if (row == end)
                break;
            if (m_tellers.at(row) != teller)
                continue;
            QStringList &texts = rows[row - first];
            for (int column = 0; column < m_columns.size(); ++column)
                texts[column] = query.value(column + 1).toString();
            ++row;
        }
        if (!ok || query.lastError().isValid())
            error = query.lastError();
        query.finish();
    }
    if (!error.isValid()) {
        m_fetchFailed = false;
        return rows;
    }
    // Shown empty until the user next moves: a file locked for a while must not make every paint
    // wait for it again.
    m_failedBlocks.insert(blockIndex);
    if (!m_fetchFailed) {
        m_fetchFailed = true;
        // Reported after the paint that asked for the rows, never from inside it.
        auto *self = const_cast<CaseTableModel *>(this);
        QMetaObject::invokeMethod(self, [self, error] { emit self->fetchFailed(error); }, Qt::QueuedConnection);
    }
    return rows;
}

QVariant CaseTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int row = index.row();
    const QString &column = m_columns.at(index.column());
    if (row == m_currentRow) {
        const auto found = m_currentTexts.constFind(column);
        if (found != m_currentTexts.cend())
            return *found;
    }
    if (row >= storedCount())
        return QString();
    return storedRow(row).value(index.column());
}

bool CaseTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !m_cellEditor)
        return false;
    if (data(index, Qt::EditRole).toString() == value.toString())
        return true;
    return m_cellEditor(index.row(), m_columns.at(index.column()), value.toString());
}

QVariant CaseTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_headers.size() ? m_headers.at(section) : QVariant();
    // The record selector: the current record, and the one being added.
    if (section == m_currentRow)
        return QStringLiteral("\u25B6");
    if (m_pending && section == storedCount())
        return QStringLiteral("*");
    return QString();
}

Qt::ItemFlags CaseTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

} // namespace kavro
