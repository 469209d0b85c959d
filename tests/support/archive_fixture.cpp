// The whole program over a temporary case database.
#include "support/archive_fixture.h"

#include "app/register_forms.h"
#include "archive/database_design.h"

#include <QLineEdit>
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

DatabasePage &ArchiveFixture::openDatabase(WaterwayKind kind, const QStringList &places)
{
    QList<Texts> records;
    for (const QString &place : places)
        records.append({{"Date", "2024-05-01"}, {"Place", place}, {"Author", "Mate"}});
    database.insert(table(kind), records);
    ConditionPage &conditions = input(kind);
    conditions.Show();
    if (!QTest::qWaitForWindowActive(&conditions))
        qWarning("%s did not become active", qPrintable(conditions.objectName()));
    QTest::mouseClick(conditions.Command1, Qt::LeftButton);
    auto &page = forms->as<DatabasePage>(databasePageOf(kind));
    if (!QTest::qWaitForWindowActive(&page))
        qWarning("%s did not become active", qPrintable(page.objectName()));
    return page;
}

void ArchiveFixture::setBoxes(DatabasePage &page, const Texts &texts)
{
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (auto *box = page.findChild<QLineEdit *>(it.key()))
            box->setText(it.value());
    }
}

QStringList ArchiveFixture::messageTexts() const
{
    QStringList texts;
    for (const RecordedMessage &message : platform.messages)
        texts << message.text;
    return texts;
}

int ArchiveFixture::dataErrors() const
{
    return int(std::count_if(platform.messages.cbegin(), platform.messages.cend(), [](const RecordedMessage &m) {
        return m.text.startsWith(QLatin1String("Data error event hit err:")) && m.title == kProgramTitle
               && m.icon == MessageIcon::None;
    }));
}

QStringList ArchiveFixture::visibleNames() const
{
    QStringList names;
    for (const Form *form : runtime.visibleForms())
        names << form->objectName();
    return names;
}

} // namespace kavro
