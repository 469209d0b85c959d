// The window model: Activate events, dialog keys, synthesized keystrokes, printing and ending.
#include "app/form.h"
#include "app/form_runtime.h"
#include "app/forms.h"
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

// A window with two fields, a default button, a cancel button and a plain button.
class DialogForm : public Form
{
public:
    explicit DialogForm(FormRuntime &runtime)
        : Form(runtime, QStringLiteral("Dialog"), QStringLiteral("Dialog"))
    {
        first->setObjectName(QStringLiteral("first"));
        second->setObjectName(QStringLiteral("second"));
        notes->setObjectName(QStringLiteral("notes"));
        placeTwips(first, 120, 120, 1200, 285);
        placeTwips(second, 120, 480, 1200, 285);
        placeTwips(notes, 120, 840, 1200, 600);
        placeTwips(ok, 1500, 120, 900, 375);
        placeTwips(cancel, 1500, 600, 900, 375);
        placeTwips(other, 1500, 1080, 900, 375);
        setDefaultButton(ok);
        setCancelButton(cancel);
        connect(ok, &QPushButton::clicked, this, [this] { ++okClicks; });
        connect(cancel, &QPushButton::clicked, this, [this] { ++cancelClicks; });
        connect(other, &QPushButton::clicked, this, [this] { ++otherClicks; });
        setClientSizeTwips(3000, 1800);
    }
    QLineEdit *first = new QLineEdit(this);
    QLineEdit *second = new QLineEdit(this);
    QPlainTextEdit *notes = new QPlainTextEdit(this);
    QPushButton *ok = new QPushButton(QStringLiteral("&OK"), this);
    QPushButton *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    QPushButton *other = new QPushButton(QStringLiteral("Ot&her"), this);
    int okClicks = 0;
    int cancelClicks = 0;
    int otherClicks = 0;
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
    void cleanup()
    {
        runtime.reset();
        platform.reset();
    }

    // Each step acts, then every window's activation count is compared.
    void activationEvents_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("counts");     // A, B, C
        QTest::addColumn<QString>("active");
        QTest::newRow("show") << QStringList{"show A"} << QList<int>{1, 0, 0} << "A";
        QTest::newRow("show over") << QStringList{"show A", "show B"} << QList<int>{1, 1, 0} << "B";
        QTest::newRow("show again while active") << QStringList{"show A", "show A"} << QList<int>{1, 0, 0} << "A";
        QTest::newRow("second show of a covered window")
            << QStringList{"show A", "show B", "show A"} << QList<int>{2, 1, 0} << "A";
        QTest::newRow("hide the top activates the one beneath")
            << QStringList{"show A", "show B", "hide B"} << QList<int>{2, 1, 0} << "A";
        QTest::newRow("hide a covered window activates nothing")
            << QStringList{"show A", "show B", "hide A"} << QList<int>{1, 1, 0} << "B";
        QTest::newRow("topmost remaining, not the first shown")
            << QStringList{"show A", "show B", "show C", "show B", "hide B"} << QList<int>{1, 2, 2} << "C";
        QTest::newRow("close box above another")
            << QStringList{"show A", "show B", "close B"} << QList<int>{2, 1, 0} << "A";
        QTest::newRow("click on a covered window")
            << QStringList{"show A", "show B", "click A"} << QList<int>{2, 1, 0} << "A";
        QTest::newRow("click on the active window")
            << QStringList{"show A", "click A"} << QList<int>{1, 0, 0} << "A";
        QTest::newRow("hidden and shown again")
            << QStringList{"show A", "hide A", "show A"} << QList<int>{2, 0, 0} << "A";
    }
    void activationEvents()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, counts);
        QFETCH(QString, active);
        CountingForm a(*runtime, "A"), b(*runtime, "B"), c(*runtime, "C");
        const QHash<QString, CountingForm *> forms{{"A", &a}, {"B", &b}, {"C", &c}};
        for (const QString &step : steps) {
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
        QVERIFY(runtime->activeForm());
        QCOMPARE(runtime->activeForm()->objectName(), active);
        QCOMPARE(platform->endCount, 0);
    }

    void closingTheLastWindowEndsTheProgram()
    {
        CountingForm a(*runtime, "A"), b(*runtime, "B");
        a.Show();
        b.Show();
        b.close();
        QVERIFY(a.isVisible());
        QCOMPARE(platform->endCount, 0);
        a.close();
        QVERIFY(!a.isVisible());
        QCOMPARE(platform->endCount, 1);
        // Nothing shows after the end.
        a.Show();
        QVERIFY(!a.isVisible());
    }

    void closeBoxKeepsTheWindow()
    {
        DialogForm dialog(*runtime);
        CountingForm other(*runtime, "Other");
        other.Show();
        dialog.Show();
        dialog.first->setText("kept");
        dialog.close();
        QVERIFY(!dialog.isVisible());
        dialog.Show();
        QCOMPARE(dialog.first->text(), QString("kept"));
    }

    void dialogKeys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("okEnabled");
        QTest::addColumn<QList<int>>("clicks");   // ok, cancel, other
        QTest::newRow("enter in a field") << "first" << int(Qt::Key_Return) << true << QList<int>{1, 0, 0};
        QTest::newRow("keypad enter") << "first" << int(Qt::Key_Enter) << true << QList<int>{1, 0, 0};
        QTest::newRow("enter in a multi-line box") << "notes" << int(Qt::Key_Return) << true << QList<int>{1, 0, 0};
        QTest::newRow("enter with default disabled") << "first" << int(Qt::Key_Return) << false << QList<int>{0, 0, 0};
        QTest::newRow("enter on another button") << "other" << int(Qt::Key_Return) << true << QList<int>{0, 0, 1};
        QTest::newRow("enter on the cancel button") << "cancel" << int(Qt::Key_Return) << true << QList<int>{0, 1, 0};
        QTest::newRow("escape in a field") << "first" << int(Qt::Key_Escape) << true << QList<int>{0, 1, 0};
        QTest::newRow("escape on a button") << "other" << int(Qt::Key_Escape) << true << QList<int>{0, 1, 0};
    }
    void dialogKeys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, okEnabled);
        QFETCH(QList<int>, clicks);
        DialogForm dialog(*runtime);
        dialog.ok->setEnabled(okEnabled);
        dialog.Show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *target = dialog.findChild<QWidget *>(focus);
        if (!target) {
            for (QPushButton *b : {dialog.cancel, dialog.other})
                if (b->text().remove('&').toLower() == focus)
                    target = b;
        }
        QVERIFY(target);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE((QList<int>{dialog.okClicks, dialog.cancelClicks, dialog.otherClicks}), clicks);
    }

    void accessKeyPressesTheButton()
    {
        DialogForm dialog(*runtime);
        dialog.Show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.first->setFocus();
        // Through the window, as a real keystroke, so that shortcuts are looked up.
        QTest::keyClick(dialog.windowHandle(), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(dialog.otherClicks, 1);   // a mnemonic animates the press first
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

    void printing()
    {
        DialogForm dialog(*runtime);
        dialog.Show();
        dialog.PrintForm();
        QCOMPARE(platform->printed.size(), 1);
        QCOMPARE(platform->printed.first().size(), dialog.size());
        QVERIFY(platform->messages.isEmpty());

        platform->printerInstalled = false;
        dialog.PrintForm();
        QCOMPARE(platform->printed.size(), 1);
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
