// The data control of a database page over a real database file: texts that come back from the
// file as they were typed, what a box or a grid cell keeps of a pasted text, the order of the
// records, saving on leaving a record and the record being added.
#include "archive/stored_text.h"
#include "support/archive_fixture.h"

#include <QClipboard>
#include <QDate>
#include <QHeaderView>
#include <QToolButton>

#include <functional>

using namespace kavro;

namespace {

const QString kError = QStringLiteral("Data error event hit err:");

void click(DatabasePage &page, const char *stripButton)
{
    page.Data1->findChild<QToolButton *>(stripButton)->click();
}

} // namespace

class DataControlTest : public QObject
{
    Q_OBJECT
private slots:
    // The rule of what a text field holds: cut between whole characters as the user sees them,
    // counted as the table's CHECK counts them, and no control characters. NUL, tab, ESC and DEL,
    // and a character just at the limit: pastedTexts.
    void storedTextRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("many");   // the many-line Other box
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("cursor");   // -1: none
        QTest::addColumn<QString>("stored");
        const QString a49(49, 'a');
        QTest::newRow("emoji past the limit") << a49 + "a😀" << false << 50 << -1 << a49 + "a";
        QTest::newRow("combining accent at the limit") << a49 + "e\u0301" << false << 50 << -1 << a49;
        QTest::newRow("flag at the limit") << a49 + "🇩🇪" << false << 50 << -1 << a49;
        QTest::newRow("typed into a full box") << "ab😀cd" << false << 4 << 4 << "abcd";
        QTest::newRow("CRLF, LF, CR") << "x\r\ny\nz\rw" << false << 0 << -1 << "x y z w";
        QTest::newRow("lone surrogate") << QString::fromUtf16(u"a\xd83d" "b", 3) << false << 0 << -1 << "ab";
        QTest::newRow("Other keeps newline and tab")
            << QString::fromUtf16(u"a\tb\r\nc\0d\x1b\re", 11) << true << 0 << -1 << "a\tb\ncd\ne";
    }
    void storedTextRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, many);
        QFETCH(int, limit);
        QFETCH(int, cursor);
        QTEST(storedText(text, many ? TextLines::Many : TextLines::One, limit, cursor < 0 ? nullptr : &cursor), "stored");
    }

    // What is pasted into a box or a grid cell is stored as the box shows it: valid text, cut only
    // between whole characters, no control characters (Other keeps lines and tabs). A Date cell
    // takes only a date.
    void pastedTexts_data()
    {
        QTest::addColumn<QString>("box");   // a box's name, or "grid " and the cell's column
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("messages");
        const QString a29(29, 'a');
        const QString date = QStringLiteral("2024-05-01");
        const auto refused = [&](const QString &typed) {
            return QStringList{kError + '"' + typed + "\" is not a date; the Date takes a date as yyyy-MM-dd."};
        };
        QTest::newRow("emoji at Location's limit") << "Place" << QString(49, 'a') + "😀" << QString(49, 'a') + "😀"
                                                   << QStringList();
        QTest::newRow("emoji at Responsible's limit") << "grid Author" << a29 + "😀x" << a29 + "😀" << QStringList();
        QTest::newRow("line breaks") << "Place" << "x\ny\r\nz" << "x y z" << QStringList();
        QTest::newRow("NUL") << "Place" << QString::fromUtf16(u"ab\0cd", 5) << "abcd" << QStringList();
        QTest::newRow("tab, ESC and DEL in a value") << "TA" << "1\t2\x1b" "3\x7f" << "123" << QStringList();
        QTest::newRow("Other") << "Other" << QString::fromUtf16(u"a\tb\r\nc\0d\x1b", 9) << "a\tb\ncd"
                               << QStringList();
        QTest::newRow("ISO date") << "grid Date" << "2023-12-31" << "2023-12-31" << QStringList();
        QTest::newRow("regional form") << "grid Date" << "31.12.2023" << date << refused("31.12.2023");
        QTest::newRow("no such day") << "grid Date" << "2023-02-29" << date << refused("2023-02-29");
        QTest::newRow("empty") << "grid Date" << "" << date << refused("");
    }
    void pastedTexts()
    {
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        QFETCH(QString, stored);
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(Depth, {"A"});
        QApplication::clipboard()->setText(pasted);
        const QString column = box.section(' ', -1);
        const bool grid = box.startsWith("grid ");
        QWidget *target = grid
                              ? ArchiveFixture::openCell(page, QStringList{"Date", "Place", "Author"}.indexOf(column))
                              : page.findChild<QWidget *>(box);
        QVERIFY(target);
        target->setFocus();
        QTest::keySequence(target, QKeySequence::SelectAll);
        QTest::keySequence(target, QKeySequence::Paste);
        if (grid)
            QTest::keyClick(target, Qt::Key_Return);
        QCoreApplication::processEvents();    // the grid commits a cell once the key is handled
        QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);
        QTEST(f.messageTexts(), "messages");
        QCOMPARE(f.stored(Depth, "hex(" + column + ")"), QStringList{stored.toUtf8().toHex().toUpper()});
        const auto *line = page.findChild<QLineEdit *>(column);
        QCOMPARE(line ? line->text() : page.Other->toPlainText(), stored);
    }

    // Records come in the order they were added, the grid knows all of them from the start, and
    // the strip, the grid and Ctrl+End keep boxes and grid on the same record.
    void orderOfAddingAndWholeTable()
    {
        ArchiveFixture f;
        QVERIFY(QSqlQuery(f.db).exec("INSERT INTO DepthRest (Teller, Date, Place) VALUES (7, '2024-05-01', 'seven'), "
                                     "(3, '2024-05-01', 'three'), (5, '2024-05-01', 'five')"));
        QStringList places;
        for (int i = 1; i <= 700; ++i)
            places << QString("Place %1").arg(i);
        DatabasePage &page = f.openDatabase(Depth, places);
        const QAbstractItemModel *grid = page.DBGrid1->model();
        QCOMPARE(page.Place->text(), QString("three"));
        for (const auto &[row, place] : {std::pair{0, "three"}, {1, "five"}, {2, "seven"}})
            QCOMPARE(grid->index(row, 1).data().toString(), QString(place));
        QCOMPARE(grid->rowCount(), 703);
        // The row cut off at the grid's foot, clicked: highlight, boxes and caption name the same record.
        QTableView *view = page.DBGrid1;
        const int markerWidth = view->verticalHeader()->width();
        int cut = 0;
        while (view->visualRect(grid->index(cut, 1)).bottom() < view->viewport()->height() - 1)
            ++cut;
        const QRect cell = view->visualRect(grid->index(cut, 1));
        QVERIFY(cell.top() < view->viewport()->height() - 2 && cut > 3);
        page.Other->setPlainText("saved on leaving");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(cell.center().x(), cell.top() + 2));
        QCOMPARE(view->selectionModel()->selectedRows(), QModelIndexList{grid->index(cut, 0)});
        QCOMPARE((QStringList{QString::number(view->currentIndex().row()), page.Place->text(), page.Data1->caption()}),
                 (QStringList{QString::number(cut), QString("Place %1").arg(cut - 2), QString("Record: %1").arg(cut + 1)}));
        click(page, "First");
        click(page, "Next");
        QCOMPARE(page.Teller->text(), QString("5"));
        page.DBGrid1->setFocus();
        QTest::keyClick(page.DBGrid1, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(page.Place->text(), QString("Place 700"));
        click(page, "First");
        click(page, "Last");
        click(page, "Previous");
        QCOMPARE(page.Data1->absolutePosition(), 701);
        QCOMPARE(page.DBGrid1->currentIndex().row(), 701);
        // The marker column keeps its width past the rows it measures, the first and last hundred.
        page.Data1->setBookmark(300);
        view->doItemsLayout();
        QCOMPARE(view->verticalHeader()->width(), markerWidth);
        QCOMPARE(f.messageTexts(), QStringList());
    }

    // An edit, in a box or still open in a grid cell, goes with its record whatever the control is
    // asked to do: the strip and a button's access key take no focus that would close the cell.
    // Close and OK save nothing, but check an emptied cell.
    void editsGoWithTheirRecord_data()
    {
        QTest::addColumn<QString>("action");   // a button, or a way of the control's own
        QTest::addColumn<bool>("inCell");
        QTest::addColumn<QStringList>("messages");
        for (const char *way : {"Next", "grid row", "move first", "add new", "bookmark"})
            QTest::newRow(way) << QString(way) << false << QStringList();
        for (const char *button : {"First", "Previous", "Next", "Last", "cmdAdd", "cmdUpdate", "cmdRefresh"})
            QTest::addRow("cell, %s", button) << QString(button) << true << QStringList();
        for (const char *button : {"Cancel", "OK"})
            QTest::addRow("emptied cell, %s", button) << QString(button) << true
                                                      << QStringList{"A text is required in the Area field."};
    }
    void editsGoWithTheirRecord()
    {
        QFETCH(QString, action);
        QFETCH(bool, inCell);
        QFETCH(QStringList, messages);
        const bool saved = messages.isEmpty();
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(WaterwayKind::Canal, {"A", "B", "C"});
        page.Data1->moveNext();
        page.Other->setPlainText("note");
        QLineEdit *editor = inCell ? ArchiveFixture::openCell(page, 1) : page.Place;
        QVERIFY(editor);
        editor->clear();
        QTest::keyClicks(editor, saved ? "Edited" : "");
        const QHash<QString, std::function<void()>> ways{{"grid row", [&] { ArchiveFixture::clickRow(page, 2); }},
                                                         {"move first", [&] { page.Data1->moveFirst(); }},
                                                         {"add new", [&] { page.Data1->addNew(); }},
                                                         {"bookmark", [&] { page.Data1->setBookmark(3); }}};
        if (ways.contains(action))
            ways[action]();
        else
            page.findChild<QAbstractButton *>(action)->click();
        QCOMPARE(f.stored(WaterwayKind::Canal, "Place"), (QStringList{"A", saved ? "Edited" : "B", "C"}));
        QCOMPARE(f.stored(WaterwayKind::Canal, "Other"), (QStringList{"", saved ? "note" : "", ""}));
        QCOMPARE(f.messageTexts(), messages);
    }

    // Another program removed the record the user is on or moves to, and added one: one message,
    // the list read again, and no dead end. Typed texts stay as a new record that Update stores.
    void recordRemovedByAnotherProgram_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("typed");    // on the second record, removed; else the third is removed
        for (const char *action : {"cmdUpdate", "Next", "Previous", "First", "cmdAdd"})
            QTest::newRow(action) << action << true;
        QTest::newRow("next, nothing typed") << "Next" << false;
    }
    void recordRemovedByAnotherProgram()
    {
        QFETCH(QString, action);
        QFETCH(bool, typed);
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(Depth, {"A", "B", "C"});
        page.Data1->moveNext();
        if (typed)
            page.valueBox("TA")->setText("9.5");
        QVERIFY(QSqlQuery(f.db).exec(QString("DELETE FROM DepthRest WHERE Teller = %1").arg(typed ? 2 : 3)));
        QVERIFY(QSqlQuery(f.db).exec("INSERT INTO DepthRest (Date, Place) VALUES ('2024-05-01', 'D')"));
        QTest::mouseClick(page.findChild<QAbstractButton *>(action), Qt::LeftButton);
        const QString gone = kError + "The record is no longer in the table: another program removed it.";
        const QString kept = " What you typed is kept as a new record; Update stores it.";
        QCOMPARE(f.messageTexts(), QStringList{typed ? gone + kept : gone});
        QCOMPARE(page.Place->text() + ", " + page.Data1->caption(), QString(typed ? "B, Record: 4" : "D, Record: 3"));
        if (typed) {
            QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);
            QCOMPARE(f.stored(Depth, "Place") + f.stored(Depth, "TA"),
                     (QStringList{"A", "C", "D", "B", "", "", "", "9.5"}));
        }
    }

    // Another program locking the file for a while: a record that cannot be read leaves the user
    // on the one shown, in the boxes and in the grid.
    void unreadableRecordKeepsTheUserInPlace()
    {
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(Depth, {"A", "B"});
        QVERIFY(QSqlQuery(f.db).exec("BEGIN EXCLUSIVE"));
        click(page, "Next");
        QCOMPARE(f.messageTexts(), QStringList{kError + "database is locked"});
        QCOMPARE((QList<QVariant>{page.Place->text(), page.Data1->absolutePosition(), page.DBGrid1->currentIndex().row()}),
                 (QList<QVariant>{"A", 0, 0}));
    }

    // Add shows a new record with its Teller, today's date and the page's defaults at once; it
    // joins the table only when saved, and is dropped when left without an edit. Accents, non-Latin
    // letters, quotes, SQL in a text, a multi-line Other and a value's own form come back from the
    // file exactly as typed.
    void recordBeingAdded()
    {
        const QStringList typed{"O'Brien's \"Quay\", Île-de-Bréhat, Владивосток 港口", "'; DROP TABLE DepthRest; --",
                                "Überfahrt ميناء\nsecond\n\n  fourth\n", " 32.20"};
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(Depth, {"A", "B"});
        QVERIFY(QSqlQuery(f.db).exec("UPDATE sqlite_sequence SET seq = 3"));   // a third record came and went
        // The hourglass is up while the control acts and gone once the action ends, also after a
        // save that brings no new current record.
        QList<Qt::CursorShape> during;
        connect(page.Data1, &DataControl::Validate, this, [&during] {
            during << (QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor);
        });
        QTest::mouseClick(page.cmdAdd, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), page.Place);
        // Numbers of removed records are not given again.
        QCOMPARE((QStringList{page.Teller->text(), page.Date->text(), page.Place->text(), page.Author->text(),
                              page.Data1->caption()}),
                 (QStringList{"4", QDate::currentDate().toString("yyyy-MM-dd"), "Shallow Water Area A", "Captain N.N",
                              "Record: 3"}));
        QCOMPARE(page.DBGrid1->model()->rowCount(), 3);
        QCOMPARE(f.stored(Depth, "Place"), (QStringList{"A", "B"}));
        ArchiveFixture::setBoxes(page, {{"Place", typed[0]}, {"Author", typed[1]}, {"TA", typed[3]}});
        page.Other->setPlainText(typed[2]);
        QVERIFY(page.Data1->updateRecord());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(page.Data1->lastModified(), QVariant(qint64(4)));
        QCOMPARE(f.stored(Depth, "Teller"), (QStringList{"1", "2", "4"}));
        page.Data1->addNew();
        page.Data1->moveFirst();
        QCOMPARE(f.stored(Depth, "Place") + f.stored(Depth, "Other"), (QStringList{"A", "B", typed[0], "", "", typed[2]}));
        QCOMPARE(page.DBGrid1->model()->rowCount(), 3);
        QCOMPARE(during, QList<Qt::CursorShape>(4, Qt::WaitCursor));
        page.Data1->refresh();
        click(page, "Last");
        QCOMPARE((QStringList{page.Place->text(), page.Author->text(), page.Other->toPlainText(),
                              page.valueBox("TA")->text()}),
                 typed);

        // With the table's numbering at its end, Add is refused and the page goes on.
        QVERIFY(QSqlQuery(f.db).exec("UPDATE sqlite_sequence SET seq = 9223372036854775807"));
        QTest::mouseClick(page.cmdAdd, Qt::LeftButton);
        QCOMPARE(f.messageTexts(), QStringList{kError + "Every record number of the table DepthRest is used up: "
                                                        "no record can be added."});
        QCOMPARE(page.Place->text(), typed[0]);
        QCOMPARE(f.stored(Depth, "Teller"), (QStringList{"1", "2", "4"}));
    }
};

QTEST_MAIN(DataControlTest)
#include "test_data_control.moc"
