// The program's windows over a recording desktop.
#include "support/navigation_fixture.h"

#include "app/register_forms.h"
#include "input/condition_page.h"

#include <QFile>
#include <QtTest>

namespace kavro {

NavigationFixture::NavigationFixture(QLocale locale, ResultsPages results)
{
    const AppPaths paths{folder.filePath("kavro.db"), folder.filePath("kavro.html")};
    QFile manual(paths.manual);
    if (manual.open(QIODevice::WriteOnly))
        manual.write("<html><body>Kavro manual</body></html>");
    forms = std::make_unique<Forms>(runtime, RegionalNumbers(locale), paths);
    if (results == ResultsPages::Real) {
        registerProgramForms(*forms);
        return;
    }
    registerNavigationForms(*forms);
    for (WaterwayKind kind : {WaterwayKind::DepthRestricted, WaterwayKind::Canal, WaterwayKind::Channel}) {
        const FormId id = resultsPageOf(kind);
        const QString name = QStringLiteral("Results%1").arg(int(id) - int(FormId::Results1) + 1);
        forms->setFactory(id, [name](Forms &f) { return std::make_unique<ResultsStub>(f.runtime(), name); });
    }
}

ResultsStub *NavigationFixture::results(WaterwayKind kind)
{
    return dynamic_cast<ResultsStub *>(forms->existing(resultsPageOf(kind)));
}

ConditionPage &NavigationFixture::openPage(WaterwayKind kind)
{
    return open<ConditionPage>(inputPageOf(kind));
}

void NavigationFixture::showActive(Form &window)
{
    window.Show();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("%s did not become active", qPrintable(window.objectName()));
}

QStringList NavigationFixture::visibleNames() const
{
    QStringList names;
    for (const Form *form : runtime.visibleForms())
        names << form->objectName();
    return names;
}

QString NavigationFixture::activeName() const
{
    return runtime.activeForm() ? runtime.activeForm()->objectName() : QString();
}

} // namespace kavro
