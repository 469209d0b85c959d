// The window model: Activate events, the end of the program, clicks, Enter on a button, and
// a print that fails.
#include "forms/form.h"
#include "forms/form_runtime.h"
#include "support/recording_platform.h"

#include <QPrinter>
#include <QPushButton>
#include <QtTest>

using namespace kavro;

namespace {

// Two buttons, the clicks of which it logs. It counts its activations, each of which moves its OK
// button down, as a results page moves its panels.
class TestForm : public Form
{
public:
    explicit TestForm(FormRuntime &runtime, const QString &name = QStringLiteral("A")) : Form(runtime, name, name)
    {
        resize(300, 200);
        ok->setObjectName("ok");
        other->setObjectName("other");
        other->move(110, 10);
        for (QPushButton *button : {ok, other})
            connect(button, &QPushButton::clicked, this, [this, button] { clicks << objectName() + '.' + button->objectName(); });
        setDefaultButton(ok);
    }
    void Form_Activate() override { ++activations; ok->move(ok->pos() + QPoint(0, 30)); }
    QPushButton *ok = new QPushButton(QStringLiteral("&OK"), this);
    QPushButton *other = new QPushButton(QStringLiteral("Ot&her"), this);
    QStringList clicks;
    int activations = 0;
};

} // namespace

class FormRuntimeTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { runtime = std::make_unique<FormRuntime>(platform = RecordingPlatform()); }

    // Each row acts step by step on three windows A, B and C, then compares their activation counts,
    // the active window, the buttons clicked and whether the program ended.
    void windowModel_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QString>("active");   // empty: none
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("ends");
        const auto row = [](const char *name, const char *steps, QStringList clicks, QList<int> counts = {1, 0, 0},
                            const char *active = "A", int ends = 0) {
            QTest::newRow(name) << QString(steps) << counts << QString(active) << clicks << ends;
        };
        row("covered one shown again", "show A, show B, show A", {}, {2, 1, 0});
        row("hiding the top activates below", "show A, show B, hide B", {}, {2, 1, 0});
        row("topmost remaining, not the first shown", "show A, show B, show C, show B, hide B", {}, {1, 2, 2}, "C");
        // A close box without a button hides its window; the last one closed ends the program.
        row("closing the last ends", "show A, show B, close B, close A", {}, {2, 1, 0}, "", 1);
        row("nothing shows after the end", "show A, close A, show A", {}, {1, 0, 0}, "", 1);
        // The press activates first; the button it moved away from under the pointer still acts.
        row("click on a covered window's button", "show A, show B, click A.ok", {"A.ok"}, {2, 1, 0});
        row("enter on another button than the default", "show A, focus A.other, key Return", {"A.other"});
    }
    void windowModel()
    {
        QFETCH(QString, steps);
        QFETCH(QList<int>, counts);
        QFETCH(QString, active);
        QFETCH(QStringList, clicks);
        QFETCH(int, ends);
        TestForm a(*runtime, "A"), b(*runtime, "B"), c(*runtime, "C");
        const QHash<QString, TestForm *> forms{{"A", &a}, {"B", &b}, {"C", &c}};
        for (const QString &step : steps.split(", ")) {
            const QString verb = step.section(' ', 0, 0), target = step.section(' ', 1);
            TestForm *form = forms.value(target.section('.', 0, 0));
            QWidget *control = target.contains('.') ? form->findChild<QWidget *>(target.section('.', 1)) : nullptr;
            if (verb == "show")
                form->Show();
            else if (verb == "hide")
                form->Hide();
            else if (verb == "close")
                form->close();
            else if (verb == "focus")
                control->setFocus();
            else if (verb == "click")   // through the window, which finds the receiver as for real input
                QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, control->geometry().center());
            else if (const QKeyCombination key = QKeySequence(target)[0]; verb == "key") {
                QVERIFY(QTest::qWaitForWindowActive(runtime->activeForm()));
                QTest::keyClick(runtime->activeForm()->windowHandle(), key.key(), key.keyboardModifiers());
            }
        }
        QTRY_COMPARE(a.clicks + b.clicks + c.clicks, clicks);
        QCOMPARE((QList<int>{a.activations, b.activations, c.activations}), counts);
        QCOMPARE(runtime->activeForm() ? runtime->activeForm()->objectName() : QString(), active);
        QCOMPARE(a.isVisible() || b.isVisible() || c.isVisible(), !active.isEmpty());
        QCOMPARE(platform.endCount, ends);
    }

    // A page printed is checked in test_results_pages; here a desktop without a printer, then a
    // printer that does not take the job: its output file lies in a folder that does not exist,
    // which stops root too.
    void printingFails()
    {
        QTemporaryDir folder;
        QPrinter printer;
        printer.setOutputFileName(folder.filePath("missing/page.pdf"));
        platform.printer = &printer;
        for (const bool installed : {false, true}) {
            platform.printerInstalled = installed;
            TestForm(*runtime).PrintForm();
        }
        QCOMPARE(platform.messages.size(), 2);
        QCOMPARE(platform.messages[0].text, "No printer is installed, so the page was not printed.");
        QVERIFY(platform.messages[1].text.startsWith("The printer did not take the page, so it was not printed."));
        QVERIFY(platform.allShownAs(MessageIcon::Stop, kProgramTitle));
        QVERIFY(platform.printed.isEmpty());
    }

private:
    RecordingPlatform platform;
    std::unique_ptr<FormRuntime> runtime;
};

QTEST_MAIN(FormRuntimeTest)
#include "test_form_runtime.moc"
