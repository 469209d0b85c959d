// The whole program over a case database in a temporary folder and a recording desktop, with
// the way a user reaches a database page: its input page, then "Data Base".
#pragma once

#include "archive/database_page.h"
#include "forms/form_runtime.h"
#include "forms/forms.h"
#include "input/condition_page.h"
#include "support/recording_platform.h"
#include "support/temporary_database.h"

#include <memory>

namespace kavro {

using Texts = QHash<QString, QString>;

struct ArchiveFixture
{
    ArchiveFixture();

    static QString table(WaterwayKind kind);
    ConditionPage &input(WaterwayKind kind) { return forms->as<ConditionPage>(inputPageOf(kind)); }
    // Stores the records, shows the input page and presses its Data Base; the database page is
    // then the active window.
    DatabasePage &openDatabase(WaterwayKind kind, const QStringList &places = {});
    // Sets the page's boxes by the names of their columns.
    static void setBoxes(DatabasePage &page, const Texts &texts);
    QStringList stored(WaterwayKind kind, const QString &column) const { return database.column(table(kind), column); }
    QStringList messageTexts() const;
    // How many messages reported a failure of the database, as the pages show it.
    int dataErrors() const;
    QStringList visibleNames() const;
    QString activeName() const { return runtime.activeForm() ? runtime.activeForm()->objectName() : QString(); }

    TemporaryDatabase database;
    RecordingPlatform platform;
    FormRuntime runtime{platform};
    std::unique_ptr<Forms> forms;
};

} // namespace kavro
