// What a user meets first: the manual without a viewer, where windows open, the data frames' line,
// and the default button and the focus visible from the first show. Close boxes: test_navigation,
// and for the archive test_database_pages.
#include "forms/qt_platform.h"
#include "support/navigation_fixture.h"

#include <QScreen>
#include <QStyleOption>

using namespace kavro;

class UserMeetsTest : public QObject
{
    Q_OBJECT
private slots:
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
        NavigationFixture program;
        const QString path = program.forms->paths().manual;
        if (!fileThere)
            QVERIFY(QFile::remove(path));
        program.platform.programsFail = viewerFails;
        Form &menu = program.open(FormId::Intro);
        QTest::mouseClick(menu.findChild<QPushButton *>("Manual"), Qt::LeftButton);
        QTest::keyClick(menu.windowHandle(), Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(program.platform.messages.size(), message.isEmpty() ? 0 : 2);
        QTRY_COMPARE(program.platform.started, QList<QStringList>(fileThere ? 2 : 0, {"xdg-open", path}));
        QVERIFY(program.platform.allShownAs(MessageIcon::Stop, kProgramTitle));
        for (const QString &text : program.messageTexts())
            QVERIFY2(text.startsWith(message + path), qPrintable(text));
        QCOMPARE(program.visibleNames(), QStringList{"Intro"});
        QCOMPARE(program.runtime.activeForm(), &menu);
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

    // Enter's button is drawn as the default button, and the focus shows without a Tab first.
    void defaultButtonAndFocusShow()
    {
        NavigationFixture program;
        for (const QPushButton *button : program.open(FormId::Forhold).findChildren<QPushButton *>())
            QCOMPARE(button->isDefault(), button->objectName() == "Command1");
        QStyleOption option;   // on Option1, as test_navigation's roads find it
        option.initFrom(QApplication::focusWidget());
        QVERIFY(option.state.testFlags(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange));
    }
    // The first time a title bar's height (22 pixels) below and right of the window that opened it,
    // also when that one hid itself first, or centred when none did; on the screen's free area even
    // when the first activation sizes the window. Then where the user left it. The frame is
    // reckoned as the designed 8 by 30 pixels.
    void placement_data()
    {
        QTest::addColumn<QSize>("sizeOnActivation");
        QTest::addColumn<QPoint>("openerAt");   // null: no opener
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("first window sized by its first activation") << QSize(755, 530) << QPoint() << QPoint(18, 120);
        QTest::newRow("opened over its opener") << QSize(300, 200) << QPoint(100, 50) << QPoint(122, 72);
        QTest::newRow("opened by a window that hid itself") << QSize(300, 200) << QPoint(100, 50) << QPoint(122, 72);
        QTest::newRow("kept on the screen") << QSize(755, 530) << QPoint(600, 700) << QPoint(37, 240);
    }
    void placement()
    {
        QFETCH(QSize, sizeOnActivation);
        QFETCH(QPoint, openerAt);
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
        NavigationFixture program;
        struct Sizing : Form
        {
            using Form::Form;
            void Form_Activate() override { resize(size); }
            QSize size;
        } window(program.runtime, "Window", "Window");
        Form opener(program.runtime, "Opener", "Opener");
        window.resize(300, 200);
        window.size = sizeOnActivation;
        if (!openerAt.isNull()) {
            opener.Show();
            opener.move(openerAt);
            if (QString(QTest::currentDataTag()).contains("hid"))
                opener.Hide();
        }
        window.Show();
        QCoreApplication::processEvents();   // a placed frame reaches the widget as a window event
        QTEST(window.pos(), "expected");
        window.move(40, 50);
        window.Hide();
        window.Show();
        QCOMPARE(window.pos(), QPoint(40, 50));
    }

    // A data frame's line runs through the middle of its heading, which stands at the designed frame
    // top (3720 twips, 248 pixels), and above every box of the frame; the channel page's width box
    // sits closest under it.
    void dataFrameLineThroughItsHeading()
    {
        NavigationFixture program;
        Form &form = program.forms->form(FormId::Condition3);
        for (const QString frame : {"ShipFrame", "WaterwayFrame"}) {
            const QWidget *heading = form.findChild<QWidget *>(frame + "Heading");
            const int headingTop = heading->mapTo(&form, QPoint()).y();
            const int line = form.findChild<QWidget *>(frame + "Border")->mapTo(&form, QPoint()).y();
            QCOMPARE(headingTop, 248);
            QVERIFY2(qAbs(line - (headingTop + heading->height() / 2)) <= 1, qPrintable(QString::number(line)));
            for (const QLineEdit *box : form.findChildren<QLineEdit *>())
                QVERIFY(box->y() > line + 1);
        }
    }
};

QTEST_MAIN(UserMeetsTest)
#include "test_user_meets.moc"
