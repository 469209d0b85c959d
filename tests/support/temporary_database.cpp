// A case database in a temporary folder, built from the program's own schema.
#include "support/temporary_database.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>

namespace kavro {

namespace {

// Opens a connection of its own under a fresh name; the caller removes it. Only building the
// database may create its file: a check must not make a missing file appear.
QString addConnection(const QString &path, bool create = false)
{
    const QString name = QUuid::createUuid().toString();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    QUrl uri = QUrl::fromLocalFile(path);
    uri.setQuery(create ? QStringLiteral("mode=rwc") : QStringLiteral("mode=rw"));
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    db.open();
    return name;
}

template<class Use>
auto withConnection(const QString &path, Use use, bool create = false)
{
    const QString name = addConnection(path, create);
    auto result = [&] {
        QSqlQuery query(QSqlDatabase::database(name));
        return use(query);
    }();
    QSqlDatabase::database(name).close();
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

TemporaryDatabase::TemporaryDatabase()
{
    QFile schema(QStringLiteral(":/kavro.sql"));
    const QString statements = schema.open(QIODevice::ReadOnly) ? QString::fromUtf8(schema.readAll()) : QString();
    if (statements.isEmpty() || !run(path(), statements, true))
        qFatal("The case database could not be built from its schema");
}

TemporaryDatabase::~TemporaryDatabase()
{
    for (const QString &name : std::as_const(m_connections)) {
        QSqlDatabase::database(name).close();
        QSqlDatabase::removeDatabase(name);
    }
}

bool TemporaryDatabase::run(const QString &path, const QString &statements, bool create)
{
    return withConnection(path, [&](QSqlQuery &query) {
        for (const QString &statement : statements.split(QLatin1Char(';'))) {
            if (!statement.trimmed().isEmpty() && !query.exec(statement)) {
                qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
                return false;
            }
        }
        return true;
    }, create);
}

void TemporaryDatabase::insert(const QString &table, const QList<QHash<QString, QString>> &records) const
{
    withConnection(path(), [&](QSqlQuery &query) {
        for (const auto &record : records) {
            const QStringList columns = record.keys();
            query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(table, columns.join(','), QStringList(columns.size(), QStringLiteral("?")).join(',')));
            for (const QString &column : columns)
                query.addBindValue(record.value(column));
            if (!query.exec())
                qFatal("%s", qPrintable(query.lastError().text()));
        }
        return true;
    });
}

int TemporaryDatabase::count(const QString &table) const
{
    return withConnection(path(), [&](QSqlQuery &query) {
        return query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(table)) && query.next() ? query.value(0).toInt() : -1;
    });
}

QStringList TemporaryDatabase::column(const QString &table, const QString &column) const
{
    return withConnection(path(), [&](QSqlQuery &query) {
        QStringList texts;
        query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY Teller").arg(column, table));
        while (query.next())
            texts << query.value(0).toString();
        return texts;
    });
}

QSqlDatabase TemporaryDatabase::connection()
{
    m_connections << addConnection(path());
    return QSqlDatabase::database(m_connections.last());
}

} // namespace kavro
