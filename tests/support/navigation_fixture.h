// The program's windows built as the program builds them, over a recording desktop, a fixed
// regional format and a manual in a temporary folder.
#pragma once

#include "app/register_forms.h"
#include "forms/form_runtime.h"
#include "forms/forms.h"
#include "input/condition_page.h"
#include "support/recording_platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace kavro {

// A results page that only counts how often it became the active window.
class ResultsStub : public Form
{
public:
    ResultsStub(FormRuntime &runtime, const QString &name) : Form(runtime, name, name) { resize(300, 200); }
    void Form_Activate() override { ++activations; }
    int activations = 0;
};

struct NavigationFixture
{
    enum class ResultsPages { Stubs, Real };
    explicit NavigationFixture(QLocale locale = QLocale(QLocale::English, QLocale::UnitedStates),
                               ResultsPages results = ResultsPages::Stubs)
    {
        const AppPaths paths{folder.filePath("kavro.db"), folder.filePath("kavro.html")};
        QFile manual(paths.manual);
        if (manual.open(QIODevice::WriteOnly))
            manual.write("<html><body>Kavro manual</body></html>");
        forms = std::make_unique<Forms>(runtime, RegionalNumbers(locale), paths);
        registerProgramForms(*forms);
        if (results == ResultsPages::Real)
            return;
        for (const FormId id : {FormId::Results1, FormId::Results2, FormId::Results3}) {
            const QString name = QStringLiteral("Results%1").arg(int(id) - int(FormId::Results1) + 1);
            forms->setFactory(id, [name](Forms &f) { return std::make_unique<ResultsStub>(f.runtime(), name); });
        }
    }

    // The window shown and active, as the user finds it after the step that opens it.
    template<class T = Form>
    T &open(FormId id)
    {
        T &window = forms->as<T>(id);
        showActive(window);
        return window;
    }
    ConditionPage &openPage(WaterwayKind kind) { return open<ConditionPage>(inputPageOf(kind)); }
    ResultsStub *results(WaterwayKind kind)
    {
        return dynamic_cast<ResultsStub *>(forms->existing(resultsPageOf(kind)));
    }
    QString activeName() const { return runtime.activeForm() ? runtime.activeForm()->objectName() : QString(); }
    QStringList visibleNames() const
    {
        QStringList names;
        for (const Form *form : runtime.visibleForms())
            names << form->objectName();
        return names;
    }
    static void showActive(Form &window)
    {
        window.Show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("%s did not become active", qPrintable(window.objectName()));
    }

    QTemporaryDir folder;
    RecordingPlatform platform;
    FormRuntime runtime{platform};
    std::unique_ptr<Forms> forms;
};

} // namespace kavro
