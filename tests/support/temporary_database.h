// A case database in a temporary folder, built from the program's own schema, looked at through
// connections of its own as another program would.
#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QStringList>
#include <QTemporaryDir>

namespace kavro {

class TemporaryDatabase
{
public:
    TemporaryDatabase();
    ~TemporaryDatabase();

    QString path() const { return m_folder.filePath(QStringLiteral("kavro.db")); }
    QString folder() const { return m_folder.path(); }

    // Runs statements (separated by ";") through a new connection; false when one fails.
    bool execute(const QString &statements) const { return run(path(), statements, false); }
    // Adds a record per map of column to text.
    void insert(const QString &table, const QList<QHash<QString, QString>> &records) const;
    // Rows of the table; -1 when it cannot be read.
    int count(const QString &table) const;
    // A column's texts in the order of Teller.
    QStringList column(const QString &table, const QString &column) const;
    // A connection of its own, kept open until the database goes (to hold a lock, say).
    QSqlDatabase connection();

private:
    static bool run(const QString &path, const QString &statements, bool create);

    QTemporaryDir m_folder;
    QStringList m_connections;
};

} // namespace kavro
