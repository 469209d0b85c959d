// The validity page: its designed text and its single window.
#include "forms/forms.h"
#include "results/validity_page.h"
#include "support/recording_platform.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

using namespace kavro;

class ValidityPageTest : public QObject
{
    Q_OBJECT
private slots:
    // Four paragraphs of 26 lines in all, each line ended by CR LF; inside a paragraph every line
    // but the last ends with a blank.
    void designedText()
    {
        const QStringList lines = validityText().split("\r\n");
        QCOMPARE(lines.size(), 27);
        QVERIFY(lines.last().isEmpty());
        QCOMPARE(lines.at(25), QString("influence the computed results."));
        const QList<int> emptyLines{5, 10, 19};
        for (int i = 0; i < 26; ++i) {
            const bool lastOfParagraph = i == 25 || emptyLines.contains(i + 1);
            QVERIFY2(emptyLines.contains(i) ? lines[i].isEmpty() : lines[i].endsWith(' ') != lastOfParagraph,
                     qPrintable(QString::number(i)));
        }
    }

    void oneWindowShownFromItsFirstLine()
    {
        RecordingPlatform platform;
        FormRuntime runtime(platform);
        Forms forms(runtime);
        forms.setFactory(FormId::Validity, [](Forms &f) { return std::make_unique<ValidityPage>(f.runtime()); });
        auto &page = forms.as<ValidityPage>(FormId::Validity);
        QCOMPARE(page.objectName(), QString("Form1"));
        QCOMPARE(page.windowTitle(), QString(" "));
        Form resultsPage(runtime, "Results1", "results");
        resultsPage.Show();
        page.Show();
        QVERIFY(page.Validity->toPlainText().startsWith("The Computational Results Page"));
        QCOMPARE(page.Validity->toPlainText().count('\n'), 26);

        // Scrolled away, closed, shown again: the same window, from the top.
        page.Validity->verticalScrollBar()->setValue(page.Validity->verticalScrollBar()->maximum());
        page.Validity->moveCursor(QTextCursor::End);
        page.close();
        QVERIFY(!page.isVisible());
        forms.form(FormId::Validity).Show();
        QCOMPARE(&forms.form(FormId::Validity), static_cast<Form *>(&page));
        QVERIFY(page.isVisible());
        QCOMPARE(page.Validity->textCursor().position(), 0);
        QCOMPARE(page.Validity->verticalScrollBar()->value(), 0);
    }
};

QTEST_MAIN(ValidityPageTest)
#include "test_validity_page.moc"
