// The whole program over a case database in a temporary folder, built from the program's own
// schema, with a connection of the test's own to look at the file as another program would.
#pragma once

#include "archive/database_page.h"
#include "forms/forms.h"
#include "input/condition_page.h"
#include "support/recording_platform.h"

#include <QSqlDatabase>
#include <QTemporaryDir>

#include <memory>

namespace kavro {

using Texts = QHash<QString, QString>;

struct ArchiveFixture
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
    QStringList messageTexts() const;
    QString activeName() const { return runtime.activeForm() ? runtime.activeForm()->objectName() : QString(); }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kavro.db"));
    QSqlDatabase db;
    RecordingPlatform platform;
    FormRuntime runtime{platform};
    std::unique_ptr<Forms> forms;
};

} // namespace kavro
