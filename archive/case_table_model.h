// The rows of one table of stored cases as the grid shows them: it knows every record's Teller
// from the start and reads only the rows that are shown, a block at a time.
#pragma once

#include <QAbstractTableModel>
#include <QCache>
#include <QHash>
#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QSet>
#include <QStringList>

#include <functional>
#include <optional>

namespace kavro {

class CaseTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Takes an edited cell of the current record; false refuses it.
    using CellEditor = std::function<bool(int row, const QString &column, const QString &text)>;

    explicit CaseTableModel(QObject *parent = nullptr);
    ~CaseTableModel() override;

    void setColumns(const QStringList &columns, const QStringList &headers);
    const QStringList &columns() const { return m_columns; }
    void setCellEditor(CellEditor editor) { m_cellEditor = std::move(editor); }

    // Reads the Tellers of the table in their order; false with the engine's error.
    bool select(const QString &connectionName, const QString &table, QSqlError *error);
    // Forgets the table and lets go of the connection.
    void clear();

    int storedCount() const { return int(m_tellers.size()); }
    qint64 tellerAt(int row) const { return m_tellers.at(row); }
    // Row of a stored record, -1 when it is not in the table.
    int rowOf(qint64 teller) const;
    // First row whose record was added no earlier than the one with this Teller; storedCount()
    // when there is none.
    int firstRowFrom(qint64 teller) const;

    // The record being added sits after the stored ones until it is saved or dropped.
    bool hasPending() const { return m_pending; }
    void addPending();
    void dropPending();
    // The pending record was saved under this Teller.
    void storePending(qint64 teller);
    void removeStored(int row);
    // The stored values of a row changed: read it again when shown.
    void rowSaved(int row);

    // The current record's texts, edits not yet saved included, are shown in its row.
    void setCurrent(int row, const QHash<QString, QString> &texts);
    void setCurrentText(const QString &column, const QString &text);
    int currentRow() const { return m_currentRow; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // Reading shown rows failed; raised once until a read succeeds again.
    void fetchFailed(const QSqlError &error);

private:
    using Block = QList<QStringList>;
    // The stored texts of a row, its block read first when it is not cached.
    QStringList storedRow(int row) const;
    Block readBlock(int blockIndex) const;
    void markRow(int row);

    QStringList m_columns;
    QStringList m_headers;
    QString m_connectionName;
    QString m_table;
    QList<qint64> m_tellers;
    bool m_pending = false;
    int m_currentRow = -1;
    QHash<QString, QString> m_currentTexts;
    CellEditor m_cellEditor;

    mutable std::optional<QSqlQuery> m_blockQuery;
    mutable QCache<int, Block> m_blocks{64};
    mutable QSet<int> m_failedBlocks;
    mutable bool m_fetchFailed = false;
};

} // namespace kavro
