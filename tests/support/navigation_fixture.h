// The program's windows built as the program builds them, over a recording desktop, a fixed
// regional format and a manual in a temporary folder.
#pragma once

#include "forms/form_runtime.h"
#include "forms/forms.h"
#include "support/recording_platform.h"

#include <QTemporaryDir>

#include <memory>

namespace kavro {

class ConditionPage;

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
                               ResultsPages results = ResultsPages::Stubs);

    // The window shown and active, as the user finds it after the step that opens it.
    template<class T = Form>
    T &open(FormId id)
    {
        T &window = forms->as<T>(id);
        showActive(window);
        return window;
    }
    ConditionPage &openPage(WaterwayKind kind);
    ResultsStub *results(WaterwayKind kind);
    QStringList visibleNames() const;
    QString activeName() const;
    static void showActive(Form &window);

    QTemporaryDir folder;
    RecordingPlatform platform;
    FormRuntime runtime{platform};
    std::unique_ptr<Forms> forms;
};

} // namespace kavro
