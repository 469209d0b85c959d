// The whole program over a case database in a temporary folder, built from the program's own
// schema, with a connection of the test's own to look at the file as another program would.
#pragma once

#include "archive/database_design.h"
#include "archive/database_page.h"
#include "support/navigation_fixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>

namespace kavro {

struct ArchiveFixture : NavigationFixture
{
    ArchiveFixture()
    {
        // Only the fixture creates the file; the program must never make one.
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        db.setDatabaseName(path);
        QFile schema(QStringLiteral(":/kavro.sql"));
        if (!db.open() || !schema.open(QIODevice::ReadOnly))
            qFatal("The case database could not be built");
        QSqlQuery query(db);
        for (const QString &statement : QString::fromUtf8(schema.readAll()).split(QLatin1Char(';')))
            if (!statement.trimmed().isEmpty() && !query.exec(statement))
                qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    }
    ~ArchiveFixture()
    {
        forms.reset();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(path);
    }

    ConditionPage &input(WaterwayKind kind) { return forms->as<ConditionPage>(inputPageOf(kind)); }
    // Stores the places (dated 2024-05-01, by "Mate"), shows the input page and presses its
    // Data Base; the database page is then the active window.
    DatabasePage &openDatabase(WaterwayKind kind, const QStringList &places = {})
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO %1 (Date, Place, Author) VALUES ('2024-05-01', ?, 'Mate')")
                          .arg(databaseDesign(kind).table));
        query.addBindValue(places);
        // With nothing to store the file is left alone: a test may hold a lock on it by now.
        if (!places.isEmpty() && !query.execBatch())
            qFatal("%s", qPrintable(query.lastError().text()));
        input(kind).Show();
        QTest::mouseClick(input(kind).Command1, Qt::LeftButton);
        auto &page = forms->as<DatabasePage>(databasePageOf(kind));
        if (!QTest::qWaitForWindowActive(&page))
            qWarning("%s did not become active", qPrintable(page.objectName()));
        return page;
    }
    // Sets the page's boxes by the names of their columns; names the page lacks are passed over.
    static void setBoxes(DatabasePage &page, const Texts &texts)
    {
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            if (auto *box = page.findChild<QLineEdit *>(it.key()))
                box->setText(it.value());
        }
    }
    static void clickRow(DatabasePage &page, int row)
    {
        QTableView *grid = page.DBGrid1;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
        QCoreApplication::processEvents();    // the grid is put back to the current record once its click is done
    }
    // Double-clicks a cell of the current record, as a user starts to edit it; null when no editor opened.
    static QLineEdit *openCell(DatabasePage &page, int column)
    {
        QTableView *grid = page.DBGrid1;
        const QModelIndex cell = grid->model()->index(grid->currentIndex().row(), column);
        const QPoint centre = grid->visualRect(cell).center();
        // A widget's double click is one event: the press and release before it are the test's.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, centre);
        return qobject_cast<QLineEdit *>(grid->indexWidget(cell));
    }
    // A column's texts in the order of Teller; empty when the table cannot be read.
    QStringList stored(WaterwayKind kind, const QString &column)
    {
        QStringList texts;
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY Teller").arg(column, databaseDesign(kind).table));
        while (query.next())
            texts << query.value(0).toString();
        return texts;
    }

    const QString path = forms->paths().database;
    QSqlDatabase db;
};

} // namespace kavro
