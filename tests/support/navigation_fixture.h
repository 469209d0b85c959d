// The program's windows built as the program builds them, over a recording desktop, a fixed
// regional format and a manual in a temporary folder.
#pragma once

#include "app/register_forms.h"
#include "forms/form_runtime.h"
#include "forms/forms.h"
#include "input/condition_page.h"
#include "support/recording_platform.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace kavro {

constexpr auto Depth = WaterwayKind::DepthRestricted;
constexpr auto Canal = WaterwayKind::Canal;
constexpr auto Channel = WaterwayKind::Channel;
using Texts = QHash<QString, QString>;

struct NavigationFixture
{
    explicit NavigationFixture(QLocale locale = QLocale(QLocale::English, QLocale::UnitedStates))
    {
        const AppPaths paths{folder.filePath("kavro.db"), folder.filePath("kavro.html")};
        QFile manual(paths.manual);
        if (manual.open(QIODevice::WriteOnly))
            manual.write("<html><body>Kavro manual</body></html>");
        forms = std::make_unique<Forms>(runtime, RegionalNumbers(locale), paths);
        registerProgramForms(*forms);
    }

    // The window shown and active, as the user finds it after the step that opens it.
    template<class T = Form>
    T &open(FormId id)
    {
        T &window = forms->as<T>(id);
        window.Show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("%s did not become active", qPrintable(window.objectName()));
        return window;
    }
    ConditionPage &openPage(WaterwayKind kind) { return open<ConditionPage>(inputPageOf(kind)); }
    // Types the texts, separated by spaces, into the page's boxes in field order.
    static void typeCase(ConditionPage &page, const QString &texts)
    {
        for (qsizetype i = 0; i < texts.count(' ') + 1; ++i)
            page.setFieldText(page.fieldNames().at(i), texts.section(' ', i, i));
    }
    QString activeName() const { return runtime.activeForm() ? runtime.activeForm()->objectName() : QString(); }
    QStringList visibleNames() const
    {
        QStringList names;
        for (const Form *form : runtime.visibleForms())
            names << form->objectName();
        return names;
    }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const RecordedMessage &message : platform.messages)
            texts << message.text;
        return texts;
    }

    QTemporaryDir folder;
    RecordingPlatform platform;
    FormRuntime runtime{platform};
    std::unique_ptr<Forms> forms;
};

} // namespace kavro
