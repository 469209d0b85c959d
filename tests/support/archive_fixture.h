// The whole program over a case database in a temporary folder, built from the program's own
// schema, with a connection of the test's own to look at the file as another program would.
#pragma once

#include "archive/database_page.h"
#include "support/navigation_fixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>

namespace kavro {

using Texts = QHash<QString, QString>;

struct ArchiveFixture : NavigationFixture
{
    ArchiveFixture();
    ~ArchiveFixture();

    ConditionPage &input(WaterwayKind kind) { return forms->as<ConditionPage>(inputPageOf(kind)); }
    // Stores the places (dated 2024-05-01, by "Mate"), shows the input page and presses its
    // Data Base; the database page is then the active window.
    DatabasePage &openDatabase(WaterwayKind kind, const QStringList &places = {});
    // Sets the page's boxes by the names of their columns; names the page lacks are passed over.
    static void setBoxes(DatabasePage &page, const Texts &texts);
    static void clickRow(DatabasePage &page, int row);
    // Double-clicks a cell of the current record, as a user starts to edit it; null when no editor opened.
    static QLineEdit *openCell(DatabasePage &page, int column);
    // A column's texts in the order of Teller; empty when the table cannot be read.
    QStringList stored(WaterwayKind kind, const QString &column);

    const QString path = forms->paths().database;
    QSqlDatabase db;
};

} // namespace kavro
