// What a user meets first: each window's close box, the manual without a viewer, where windows
// open, and the default button and the focus visible from the first show.
#include "app/register_forms.h"
#include "archive/delete_confirmation.h"
#include "support/archive_fixture.h"
#include "forms/forms.h"
#include "forms/qt_platform.h"
#include "support/recording_platform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOption>
#include <QtTest>

using namespace kavro;

Q_DECLARE_METATYPE(kavro::FormId)

namespace {

// The program's windows over a recording desktop, with the manual in a temporary folder.
struct Program
{
    Program()
    {
        QFile manual(folder.filePath("kavro.html"));
        manual.open(QIODevice::WriteOnly);
        registerProgramForms(forms);
    }
    Form *visible(const QString &name) const
    {
        for (Form *form : runtime.visibleForms())
            if (form->objectName() == name)
                return form;
        return nullptr;
    }
    QStringList visibleNames() const
    {
        QStringList names;
        for (const Form *form : runtime.visibleForms())
            names << form->objectName();
        return names;
    }
    QTemporaryDir folder;
    RecordingPlatform platform;
    FormRuntime runtime{platform};
    Forms forms{runtime, RegionalNumbers(QLocale(QLocale::English, QLocale::UnitedStates)),
                AppPaths{folder.filePath("kavro.db"), folder.filePath("kavro.html")}};
};

} // namespace

class UserMeetsTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { program = std::make_unique<Program>(); }
    void cleanup() { program.reset(); }

    // From the menu the steps reach a window, whose close box is then pressed: it goes back the way
    // the window's own button does, and what was typed stays.
    void closeBox_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<int>("ends");
        const QString channel = "click Intro.Command1, click Forhold.Option3, click Forhold.Command1, "
                                "type Condition3 TA 10.00 TF 9.5 B2 20.0 CB .70 SS 10.5 K 0.50 W 40 H 12.5 HB 11.0, "
                                "click Condition3.Command3";
        QTest::newRow("main menu ends the program") << "" << QStringList{"Intro"} << 1;
        QTest::newRow("about box back to the menu") << "click Intro.Command3" << QStringList{"Intro"} << 0;
        QTest::newRow("choice back to the menu") << "click Intro.Command1" << QStringList{"Intro"} << 0;
        QTest::newRow("input page back to the choice")
            << "click Intro.Command1, click Forhold.Option2, click Forhold.Command1, type Condition2 TA 12 W 150"
            << QStringList{"Forhold"} << 0;
        QTest::newRow("results page back to its input page") << channel << QStringList{"Condition3"} << 0;
        QTest::newRow("validity page hides") << channel + ", click Results3.Command4"
                                             << QStringList{"Results3"} << 0;
    }
    void closeBox()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, visible);
        QFETCH(int, ends);
        program->forms.form(FormId::Intro).Show();
        QHash<QLineEdit *, QString> typed;
        for (const QString &step : steps.split(", ", Qt::SkipEmptyParts)) {
            const QStringList words = step.split(' ');
            Form *window = program->visible(words.at(1).section('.', 0, 0));
            QVERIFY2(window, qPrintable(step));
            if (words.first() == "click")
                QTest::mouseClick(window->findChild<QWidget *>(words.at(1).section('.', 1)), Qt::LeftButton, {}, QPoint(5, 5));
            for (qsizetype i = 2; words.first() == "type" && i + 1 < words.size(); i += 2) {
                auto *box = window->findChild<QLineEdit *>(words.at(i));
                box->setText(words.at(i + 1));
                typed.insert(box, words.at(i + 1));
            }
        }
        QVERIFY(program->platform.messages.isEmpty());
        program->runtime.activeForm()->close();
        QCOMPARE(program->visibleNames(), visible);
        QCOMPARE(program->runtime.activeForm()->objectName(), visible.last());
        QCOMPARE(program->platform.endCount, ends);
        for (auto it = typed.cbegin(); it != typed.cend(); ++it)
            QCOMPARE(it.key()->text(), it.value());
    }

    // A database page's close box runs Close's checks; the confirmation's close box never deletes.
    void closeBoxOfTheArchive_data()
    {
        QTest::addColumn<bool>("confirmation");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("page with its case complete") << false << "Pier 4" << QStringList{"Condition1"} << QStringList{};
        QTest::newRow("page without a location") << false << "" << QStringList{"Condition1", "frmCond1dat"}
                                                 << QStringList{"A text is required in the Area field."};
        QTest::newRow("confirmation") << true << "Pier 4" << QStringList{"Condition1", "frmCond1dat"} << QStringList{};
    }
    void closeBoxOfTheArchive()
    {
        QFETCH(bool, confirmation);
        QFETCH(QString, place);
        QFETCH(QStringList, visible);
        QFETCH(QStringList, messages);
        ArchiveFixture archive;
        DatabasePage &page = archive.openDatabase(WaterwayKind::DepthRestricted, {"Pier 4", "Pier 5"});
        page.Place->setText(place);
        if (confirmation) {
            QTest::mouseClick(page.cmdDelete, Qt::LeftButton);
            archive.forms->form(FormId::Delete1).close();
        } else {
            page.close();
        }
        QCOMPARE(archive.visibleNames(), visible);
        QCOMPARE(archive.messageTexts(), messages);
        QCOMPARE(archive.stored(WaterwayKind::DepthRestricted, "Place"), (QStringList{"Pier 4", "Pier 5"}));
        QCOMPARE(archive.platform.endCount, 0);
    }

    void manual_data()
    {
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("viewerFails");
        QTest::addColumn<QString>("message");
        QTest::newRow("twice, twice started") << true << false << "";
        QTest::newRow("no manual") << false << false << "The manual could not be found. It belongs in ";
        QTest::newRow("no viewer") << true << true << "No viewer could show the manual. It is the file ";
    }
    // The viewer runs beside the menu, which stays shown and usable.
    void manual()
    {
        QFETCH(bool, fileThere);
        QFETCH(bool, viewerFails);
        QFETCH(QString, message);
        const QString path = program->forms.paths().manual;
        if (!fileThere)
            QVERIFY(QFile::remove(path));
        program->platform.programsFail = viewerFails;
        Form &menu = program->forms.form(FormId::Intro);
        menu.Show();
        QTest::mouseClick(menu.findChild<QPushButton *>("Manual"), Qt::LeftButton);
        QTest::keyClick(menu.windowHandle(), Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(program->platform.messages.size(), message.isEmpty() ? 0 : 2);
        QTRY_COMPARE(program->platform.started.size(), fileThere ? 2 : 0);
        for (const QStringList &command : program->platform.started)
            QCOMPARE(command, (QStringList{"xdg-open", path}));
        for (const RecordedMessage &m : program->platform.messages) {
            QCOMPARE(m.icon, MessageIcon::Stop);
            QCOMPARE(m.title, kProgramTitle);
            QVERIFY2(m.text.startsWith(message + path), qPrintable(m.text));
        }
        QCOMPARE(program->visibleNames(), QStringList{"Intro"});
        QCOMPARE(program->runtime.activeForm(), &menu);
    }

    // The desktop's own start of a program reports a failure later, whether the program cannot start
    // or ends with an error; a program that ends well is not reported.
    void programFailureReported_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("failed");
        QTest::newRow("ends well") << "sh" << QStringList{"-c", "exit 0"} << false;
        QTest::newRow("ends with an error, as a viewer without a method") << "sh" << QStringList{"-c", "exit 3"} << true;
        QTest::newRow("cannot start") << "/nonexistent/kavro-viewer" << QStringList{} << true;
    }
    void programFailureReported()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(bool, failed);
        QtPlatform desktop;
        bool reported = false, sentinelDone = false;
        desktop.startProgram(program, arguments, [&reported] { reported = true; });
        // A program that fails only after the first has long ended tells when to look.
        desktop.startProgram("sh", {"-c", "sleep 0.2; exit 1"}, [&sentinelDone] { sentinelDone = true; });
        QTRY_VERIFY(sentinelDone);
        QCOMPARE(reported, failed);
    }

    // Centred on the screen the first time, also when the first activation sizes the window; then
    // where the user left it. The frame is reckoned as the designed 8 by 30 pixels.
    void placement_data()
    {
        QTest::addColumn<QSize>("sizeOnActivation");
        QTest::newRow("window of fixed size") << QSize(300, 200);
        QTest::newRow("window sized by its first activation") << QSize(755, 530);
    }
    void placement()
    {
        QFETCH(QSize, sizeOnActivation);
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
        struct Sizing : Form
        {
            using Form::Form;
            void Form_Activate() override { resize(size); }
            QSize size;
        } window(program->runtime, "Window", "Window");
        window.resize(300, 200);
        window.size = sizeOnActivation;
        window.Show();
        const QSize outer = sizeOnActivation + QSize(8, 30);
        QCOMPARE(window.pos(), QPoint((800 - outer.width()) / 2, (800 - outer.height()) / 2));
        window.move(40, 50);
        window.Hide();
        window.Show();
        QCOMPARE(window.pos(), QPoint(40, 50));
    }

    // Enter's button is drawn as the default button, and the focus shows without a Tab first.
    void defaultButtonAndFocusShow_data()
    {
        QTest::addColumn<FormId>("window");
        QTest::addColumn<QString>("defaultButton");   // empty: none
        QTest::addColumn<QString>("focus");
        QTest::newRow("main menu") << FormId::Intro << "Command1" << "Command1";
        QTest::newRow("choice") << FormId::Forhold << "Command1" << "Option1";
        QTest::newRow("about box") << FormId::About << "" << "Command1";
        QTest::newRow("input page") << FormId::Condition2 << "" << "TA";
        QTest::newRow("results page") << FormId::Results1 << "" << "Command2";
    }
    void defaultButtonAndFocusShow()
    {
        QFETCH(FormId, window);
        QFETCH(QString, defaultButton);
        QFETCH(QString, focus);
        Form &form = program->forms.form(window);
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (const QPushButton *button : form.findChildren<QPushButton *>())
            QCOMPARE(button->isDefault(), button->objectName() == defaultButton);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QStyleOption option;
        option.initFrom(QApplication::focusWidget());
        QVERIFY(option.state & QStyle::State_HasFocus);
        QVERIFY(option.state & QStyle::State_KeyboardFocusChange);
    }

    // A data frame's line runs through the middle of its heading, which stands at the designed frame
    // top (3720 twips, 248 pixels), and above every box of the frame.
    void dataFrameLineThroughItsHeading_data()
    {
        QTest::addColumn<FormId>("page");
        QTest::newRow("depth-restricted") << FormId::Condition1;
        QTest::newRow("canal") << FormId::Condition2;
        QTest::newRow("channel, its width box just under the line") << FormId::Condition3;
    }
    void dataFrameLineThroughItsHeading()
    {
        QFETCH(FormId, page);
        Form &form = program->forms.form(page);
        for (const QString frame : {"ShipFrame", "WaterwayFrame"}) {
            const QRect heading(form.findChild<QWidget *>(frame + "Heading")->mapTo(&form, QPoint()),
                                form.findChild<QWidget *>(frame + "Heading")->size());
            const int line = form.findChild<QWidget *>(frame + "Border")->mapTo(&form, QPoint()).y();
            QCOMPARE(heading.top(), 248);
            QVERIFY2(qAbs(line - heading.center().y()) <= 1, qPrintable(QString::number(line)));
            for (const QLineEdit *box : form.findChildren<QLineEdit *>())
                QVERIFY(box->y() > line + 1);
        }
    }

private:
    std::unique_ptr<Program> program;
};

QTEST_MAIN(UserMeetsTest)
#include "test_user_meets.moc"
