// The whole program over a temporary case database.
#include "support/archive_fixture.h"

#include "app/register_forms.h"
#include "archive/database_design.h"

#include <QPushButton>
#include <QtTest>

namespace kavro {

ArchiveFixture::ArchiveFixture()
{
    const AppPaths paths{database.path(), database.folder() + QStringLiteral("/kavro.html")};
    forms = std::make_unique<Forms>(runtime, RegionalNumbers(QLocale(QLocale::English, QLocale::UnitedStates)), paths);
    registerProgramForms(*forms);
}

QString ArchiveFixture::table(WaterwayKind kind)
{
    return databaseDesign(kind).table;
}

DatabasePage &ArchiveFixture::openDatabase(WaterwayKind kind)
{
    ConditionPage &conditions = input(kind);
    conditions.Show();
    if (!QTest::qWaitForWindowActive(&conditions))
        qWarning("%s did not become active", qPrintable(conditions.objectName()));
    QTest::mouseClick(conditions.Command1, Qt::LeftButton);
    DatabasePage &database = page(kind);
    if (!QTest::qWaitForWindowActive(&database))
        qWarning("%s did not become active", qPrintable(database.objectName()));
    return database;
}

QStringList ArchiveFixture::messageTexts() const
{
    QStringList texts;
    for (const RecordedMessage &message : platform.messages)
        texts << message.text;
    return texts;
}

QStringList ArchiveFixture::visibleNames() const
{
    QStringList names;
    for (const Form *form : runtime.visibleForms())
        names << form->objectName();
    return names;
}

int ArchiveFixture::dataErrors() const
{
    return int(std::count_if(platform.messages.cbegin(), platform.messages.cend(), [](const RecordedMessage &m) {
        return m.text.startsWith(QLatin1String("Data error event hit err:")) && m.title == kProgramTitle
               && m.icon == MessageIcon::None;
    }));
}

} // namespace kavro
