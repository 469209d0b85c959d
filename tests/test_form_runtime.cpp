// The window model: Activate events, dialog keys, synthesized keystrokes, printing and ending.
#include "forms/form.h"
#include "forms/form_runtime.h"
#include "forms/forms.h"
#include "support/recording_platform.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace kavro;

namespace {

class CountingForm : public Form
{
public:
    CountingForm(FormRuntime &runtime, const QString &name)
        : Form(runtime, name, name)
    {
        resize(200, 120);
    }
    void Form_Activate() override { ++activations; }
    int activations = 0;
};

// A window with two fields, a multi-line box, a default button, a cancel button and a plain button;
// it logs the buttons clicked.
class DialogForm : public Form
{
public:
    explicit DialogForm(FormRuntime &runtime)
        : Form(runtime, QStringLiteral("Dialog"), QStringLiteral("Dialog"))
    {
        const QList<std::pair<QWidget *, const char *>> names{
            {first, "first"}, {second, "second"}, {notes, "notes"}, {ok, "ok"}, {cancel, "cancel"}, {other, "other"}};
        for (const auto &[widget, name] : names)
            widget->setObjectName(QString::fromLatin1(name));
        for (QPushButton *button : {ok, cancel, other})
            connect(button, &QPushButton::clicked, this, [this, button] { clicks << button->objectName(); });
        setDefaultButton(ok);
        setCancelButton(cancel);
        setClientSizeTwips(3000, 1800);
    }
    QLineEdit *first = new QLineEdit(this);
    QLineEdit *second = new QLineEdit(this);
    QPlainTextEdit *notes = new QPlainTextEdit(this);
    QPushButton *ok = new QPushButton(QStringLiteral("&OK"), this);
    QPushButton *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    QPushButton *other = new QPushButton(QStringLiteral("Ot&her"), this);
    QStringList clicks;
};

} // namespace

class FormRuntimeTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        platform = std::make_unique<RecordingPlatform>();
        runtime = std::make_unique<FormRuntime>(*platform);
    }
    void cleanup() { runtime.reset(); platform.reset(); }

    // Each step acts, then every window's activation count is compared. The close box hides a window;
    // closing the last visible one ends the program, and nothing shows after the end.
    void activationEvents_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("counts"); // A, B, C
        QTest::addColumn<QString>("active");    // empty: none
        QTest::addColumn<int>("ends");
        QTest::newRow("show again while active") << "show A, show A" << QList<int>{1, 0, 0} << "A" << 0;
        QTest::newRow("covered one shown again") << "show A, show B, show A" << QList<int>{2, 1, 0} << "A" << 0;
        QTest::newRow("hiding the top activates below") << "show A, show B, hide B" << QList<int>{2, 1, 0} << "A" << 0;
        QTest::newRow("hiding a covered one") << "show A, show B, hide A" << QList<int>{1, 1, 0} << "B" << 0;
        QTest::newRow("topmost remaining, not the first shown")
            << "show A, show B, show C, show B, hide B" << QList<int>{1, 2, 2} << "C" << 0;
        QTest::newRow("close box above another") << "show A, show B, close B" << QList<int>{2, 1, 0} << "A" << 0;
        QTest::newRow("click on a covered window") << "show A, show B, click A" << QList<int>{2, 1, 0} << "A" << 0;
        QTest::newRow("click on the active window") << "show A, click A" << QList<int>{1, 0, 0} << "A" << 0;
        QTest::newRow("hidden and shown again") << "show A, hide A, show A" << QList<int>{2, 0, 0} << "A" << 0;
        QTest::newRow("closing the last ends") << "show A, show B, close B, close A" << QList<int>{2, 1, 0} << "" << 1;
        QTest::newRow("nothing shows after the end") << "show A, close A, show A" << QList<int>{1, 0, 0} << "" << 1;
    }
    void activationEvents()
    {
        QFETCH(QString, steps);
        QFETCH(QList<int>, counts);
        QFETCH(QString, active);
        QFETCH(int, ends);
        CountingForm a(*runtime, "A"), b(*runtime, "B"), c(*runtime, "C");
        const QHash<QString, CountingForm *> forms{{"A", &a}, {"B", &b}, {"C", &c}};
        for (const QString &step : steps.split(QStringLiteral(", "))) {
            const QString verb = step.section(' ', 0, 0);
            CountingForm *form = forms.value(step.section(' ', 1, 1));
            if (verb == "show")
                form->Show();
            else if (verb == "hide")
                form->Hide();
            else if (verb == "close")
                form->close();
            else if (verb == "click")
                QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(5, 5));
            QCoreApplication::processEvents();
        }
        QCOMPARE((QList<int>{a.activations, b.activations, c.activations}), counts);
        QCOMPARE(runtime->activeForm() ? runtime->activeForm()->objectName() : QString(), active);
        QCOMPARE(a.isVisible() || b.isVisible() || c.isVisible(), !active.isEmpty());
        QCOMPARE(platform->endCount, ends);
    }

    void dialogKeys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<QStringList>("clicks");
        const QKeyCombination enter(Qt::Key_Return), escape(Qt::Key_Escape);
        QTest::newRow("enter in a field") << "first" << enter << true << QStringList{"ok"};
        QTest::newRow("keypad enter") << "first" << QKeyCombination(Qt::Key_Enter) << true << QStringList{"ok"};
        QTest::newRow("enter in a multi-line box") << "notes" << enter << true << QStringList{"ok"};
        QTest::newRow("enter with default disabled") << "first" << enter << false << QStringList{};
        QTest::newRow("enter on another button") << "other" << enter << true << QStringList{"other"};
        QTest::newRow("enter on the cancel button") << "cancel" << enter << true << QStringList{"cancel"};
        QTest::newRow("escape in a field") << "first" << escape << true << QStringList{"cancel"};
        QTest::newRow("escape on a button") << "other" << escape << true << QStringList{"cancel"};
        QTest::newRow("access key") << "first" << (Qt::ALT | Qt::Key_H) << true << QStringList{"other"};
    }
    void dialogKeys()
    {
        QFETCH(QString, focus);
        QFETCH(QKeyCombination, key);
        QFETCH(bool, okEnabled);
        QFETCH(QStringList, clicks);
        DialogForm dialog(*runtime);
        dialog.ok->setEnabled(okEnabled);
        dialog.Show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QWidget *>(focus)->setFocus();
        // Through the window, as a real keystroke, so that shortcuts are looked up.
        QTest::keyClick(dialog.windowHandle(), key.key(), key.keyboardModifiers());
        QTRY_COMPARE(dialog.clicks, clicks);   // a mnemonic animates the press first
    }

    void synthesizedKeysArriveAfterTheHandler()
    {
        DialogForm dialog(*runtime);
        dialog.Show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.first->setFocus();
        runtime->sendKeys("{tab}");
        QCOMPARE(QApplication::focusWidget(), dialog.first);   // not yet: queued
        QTRY_COMPARE(QApplication::focusWidget(), dialog.second);
        runtime->sendKeys("+{tab}");
        QTRY_COMPARE(QApplication::focusWidget(), dialog.first);
        dialog.first->setText("abc");
        dialog.first->setCursorPosition(3);
        runtime->sendKeys("+{Home}");
        QTRY_COMPARE(dialog.first->selectedText(), QString("abc"));
    }

    // A page printed is checked in test_results_pages; here the desktop without a printer.
    void printingWithoutAPrinter()
    {
        DialogForm dialog(*runtime);
        dialog.Show();
        platform->printerInstalled = false;
        dialog.PrintForm();
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages.first().icon, MessageIcon::Stop);
        QCOMPARE(platform->messages.first().title, kProgramTitle);
        QVERIFY(platform->messages.first().text.contains("printer"));
    }

    void twipsPlacementDoesNotDrift()
    {
        DialogForm dialog(*runtime);
        dialog.placeTwips(dialog.first, 4800, 6360, 855, 375);
        QCOMPARE(dialog.first->geometry(), QRect(320, 424, 57, 25));
        for (int i = 0; i < 10; ++i)
            dialog.moveTwips(dialog.first, dialog.geometryTwips(dialog.first).left() + 7.0, 6360);
        QCOMPARE(dialog.geometryTwips(dialog.first), QRectF(4870, 6360, 855, 375));
        QCOMPARE(dialog.first->x(), 325);   // 4870 / 15 = 324.67
        dialog.setOuterSizeTwips(11450, 8400);
        QCOMPARE(dialog.size(), QSize(755, 530));
    }

    void windowsAreCreatedOnceOnFirstUse()
    {
        Forms forms(*runtime);
        int created = 0;
        forms.setFactory(FormId::Validity, [&created](Forms &f) {
            ++created;
            return std::make_unique<CountingForm>(f.runtime(), "Form1");
        });
        QVERIFY(!forms.existing(FormId::Validity));
        Form &first = forms.form(FormId::Validity);
        Form &second = forms.form(FormId::Validity);
        QCOMPARE(&first, &second);
        QCOMPARE(created, 1);
        QCOMPARE(forms.existing(FormId::Validity), &first);
        // A window without a factory still opens, empty, so navigation never fails.
        forms.form(FormId::Database2).Show();
        QCOMPARE(runtime->activeForm(), forms.existing(FormId::Database2));
    }

private:
    std::unique_ptr<RecordingPlatform> platform;
    std::unique_ptr<FormRuntime> runtime;
};

QTEST_MAIN(FormRuntimeTest)
#include "test_form_runtime.moc"
