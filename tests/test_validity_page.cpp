// The validity page: its designed text and its single window.
#include "results/validity_page.h"
#include "support/navigation_fixture.h"

#include <QPlainTextEdit>
#include <QScrollBar>

using namespace kavro;

class ValidityPageTest : public QObject
{
    Q_OBJECT
private slots:
    void oneWindowShownFromItsFirstLine()
    {
        NavigationFixture fixture;
        fixture.open(FormId::Results1);
        auto &page = fixture.open<ValidityPage>(FormId::Validity);
        // Four paragraphs, 26 lines ended by CR LF; inside a paragraph every line but the last
        // ends with a blank.
        const QStringList lines = validityText().split("\r\n");
        QCOMPARE(lines.size(), 27);
        for (int i = 0; i < 27; ++i) {
            const bool empty = i == 5 || i == 10 || i == 19 || i == 26, last = lines.value(i + 1).isEmpty();
            QVERIFY2(empty ? lines[i].isEmpty() : lines[i].endsWith(' ') != last, qPrintable(QString::number(i)));
        }
        QCOMPARE(page.Validity->toPlainText().split('\n'), lines.mid(0, 26) << QString());
        QVERIFY(lines.first().startsWith("The Computational Results Page") && lines.at(25) == "influence the computed results.");

        // Scrolled away, closed, shown again: the same window, from the top.
        QScrollBar *bar = page.Validity->verticalScrollBar();
        bar->setValue(bar->maximum());
        page.Validity->moveCursor(QTextCursor::End);
        page.close();
        QVERIFY(!page.isVisible());
        fixture.forms->form(FormId::Validity).Show();
        QCOMPARE(&fixture.forms->form(FormId::Validity), static_cast<Form *>(&page));
        QVERIFY(page.isVisible());
        QCOMPARE(page.Validity->textCursor().position(), 0);
        QCOMPARE(bar->value(), 0);
    }
};

QTEST_MAIN(ValidityPageTest)
#include "test_validity_page.moc"
