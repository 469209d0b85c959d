// The database pages and their delete confirmations over a real database file: the default
// record and when the Place box adds it, the checks of Update and Close, Delete, the record
// caption, and a database file that fails. Retrieve: test_take_over.
#include "archive/delete_confirmation.h"
#include "support/archive_fixture.h"

#include <QDate>
#include <QDir>
#include <QWindow>

using namespace kavro;

class DatabasePagesTest : public QObject
{
    Q_OBJECT
private slots:
    void defaultRecord_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("tabOrder");
        QTest::newRow("depth-restricted") << Depth << "Shallow Water Area A"
                                          << "Author TA TF B2 CB SS K H Other cmdAdd Command3 cmdUpdate cmdDelete "
                                             "Command2 Command1 DBGrid1 Place";
        QTest::newRow("canal") << Canal << "Canal A"
                               << "Author TA TF B2 CB SS K W H Other cmdAdd Command1 cmdUpdate cmdDelete Cancel OK "
                                  "DBGrid1 Place";
        QTest::newRow("channel") << Channel << "Channel A"
                                 << "Author TA TF B2 CB SS K W H HB Other cmdAdd Command3 cmdUpdate cmdDelete Command2 "
                                    "Command1 DBGrid1 Place";
    }
    void defaultRecord()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QString, place);
        QFETCH(QString, tabOrder);
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(kind);
        QCOMPARE(f.stored(kind, "Place") + f.stored(kind, "Author") + f.stored(kind, "Date"),
                 (QStringList{place, "Captain N.N", QDate::currentDate().toString(Qt::ISODate)}));
        QCOMPARE(page.Data1->caption(), QString("Record: 1"));
        QCOMPARE(f.platform.messages.size(), 0);
        // Tab skips the disabled Date box, the hidden Teller box and the invisible Refresh.
        QCOMPARE(QApplication::focusWidget(), page.Place);
        QStringList visited;
        for (qsizetype i = 0; i < tabOrder.count(' ') + 1; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, tabOrder.split(' '));
        QCOMPARE(f.stored(kind, "Place").size(), 1);

        // The focus coming back to the Place box with its window adds no record; entering it does.
        QVERIFY(page.Data1->deleteCurrent());
        f.input(kind).activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.input(kind)));
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QCOMPARE(QApplication::focusWidget(), page.Place);
        QCOMPARE(f.stored(kind, "Place"), QStringList());
        QTest::keyClick(page.Place, Qt::Key_Tab);
        QTest::keyClick(page.Author, Qt::Key_Backtab);
        QCOMPARE(f.stored(kind, "Place"), QStringList{place});
    }

    // Update checks the date, the place and the author, in this order; Close, also by its close box,
    // only the last two.
    // An accepted Update saves and stays on the record; Close saves nothing itself.
    void recordChecks_data()
    {
        QTest::addColumn<bool>("update");
        QTest::addColumn<Texts>("boxes");
        QTest::addColumn<QString>("message");
        QTest::newRow("update, no date, no place")
            << true << Texts{{"Date", ""}, {"Place", ""}} << "A value is required in the Date field.";
        QTest::newRow("update, blank author") << true << Texts{{"Place", "Kiel"}, {"Author", " "}} << "";
        QTest::newRow("close box, no place, no author")
            << false << Texts{{"Place", ""}, {"Author", ""}} << "A text is required in the Area field.";
        QTest::newRow("close, no author")
            << false << Texts{{"Place", "Kiel"}, {"Author", ""}} << "A text is required in the Author field.";
        QTest::newRow("close, no date") << false << Texts{{"Date", ""}, {"Place", "Kiel"}} << "";
    }
    void recordChecks()
    {
        QFETCH(bool, update);
        QFETCH(Texts, boxes);
        QFETCH(QString, message);
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(Canal, {"A", "B", "C"});
        page.Data1->moveNext();
        ArchiveFixture::setBoxes(page, boxes);
        if (QString(QTest::currentDataTag()).startsWith("close box"))
            page.close();
        else
            QTest::mouseClick(update ? page.cmdUpdate : page.CloseButton, Qt::LeftButton);
        QCOMPARE(f.messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QVERIFY(f.platform.allShownAs(MessageIcon::Stop, " "));
        QCOMPARE(f.stored(Canal, "Place"), (QStringList{"A", update && message.isEmpty() ? "Kiel" : "B", "C"}));
        QCOMPARE(page.isVisible(), update || !message.isEmpty());
        QCOMPARE(page.Data1->caption(), QString("Record: 2"));
    }

    void deleteRecord_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("row");   // chosen in the grid while the question is open; -1: the Date box emptied
        QTest::addColumn<QString>("answer");   // or how the page hides with its question open
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<QStringList>("messages");
        const QStringList abc{"A", "B", "C"};
        QTest::newRow("no date") << abc << -1 << "&Yes" << abc << QStringList{};
        for (const char *no : {"&No", "question's close box"})
            QTest::newRow(no) << abc << 1 << no << abc << QStringList{};
        QTest::newRow("second of three") << abc << 1 << "&Yes" << QStringList{"A", "C"} << QStringList{};
        QTest::newRow("the only record") << QStringList{"A"} << 0 << "&Yes" << QStringList{"Channel A"}
                                         << QStringList{"The system does not accept to delete the last record."};
        // A page that hides takes its question along unanswered.
        for (const char *hide : {"Close", "page's close box", "OK"})
            QTest::newRow(hide) << abc << 1 << hide << abc << QStringList{};
    }
    void deleteRecord()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, row);
        QFETCH(QString, answer);
        QFETCH(QStringList, remaining);
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(Channel, stored);
        if (row < 0)
            page.Date->clear();
        QTest::mouseClick(page.cmdDelete, Qt::LeftButton);
        if (row < 0) {
            QVERIFY(!f.forms->existing(FormId::Delete3));
            QCOMPARE(f.stored(Channel, "Place"), remaining);
            return;
        }
        auto &confirmation = f.forms->as<DeleteConfirmation>(FormId::Delete3);
        QTRY_COMPARE(QApplication::focusWidget(), confirmation.Command1);
        // The page stays usable beneath, its question above it; Delete again only brings the
        // question to the front.
        ArchiveFixture::clickRow(page, row);
        QCOMPARE(f.activeName(), QString("frmCond3Dat"));
        QCOMPARE(f.runtime.visibleForms().last(), &confirmation);
        QCOMPARE(confirmation.windowHandle()->transientParent(), page.windowHandle());
        QTest::mouseClick(page.cmdDelete, Qt::LeftButton);
        QCOMPARE(f.activeName(), QString("Cond3delete"));
        QCOMPARE(f.runtime.visibleForms().count(&confirmation), 1);

        if (answer == "OK")   // with a case that the take-over accepts
            ArchiveFixture::setBoxes(page, {{"TA", "10"}, {"TF", "10"}, {"B2", "32"}, {"CB", "0.8"}, {"SS", "16"},
                                            {"K", "0.5"}, {"W", "200"}, {"H", "12.5"}, {"HB", "11"}});
        QWidget *target = QHash<QString, QWidget *>{{"&Yes", confirmation.Command1}, {"&No", confirmation.Command2},
                                                    {"question's close box", &confirmation}, {"Close", page.CloseButton},
                                                    {"OK", page.OKButton}, {"page's close box", &page}}
                              .value(answer);
        if (target->isWindow())
            target->close();
        else
            QTest::mouseClick(target, Qt::LeftButton);
        QTEST(f.messageTexts(), "messages");
        QVERIFY(f.platform.allShownAs(MessageIcon::None, kProgramTitle));
        QCOMPARE(f.stored(Channel, "Place"), remaining);
        QVERIFY(!confirmation.isVisible());
        QCOMPARE(f.activeName(), QString(target->window() == &page ? "Condition3" : "frmCond3Dat"));
        if (answer == "&Yes") {
            QTRY_COMPARE(QApplication::focusWidget(), page.Place);
            QCOMPARE(page.Place->text() + ", " + page.Data1->caption(), remaining.first() + ", Record: 1");
        }
    }

    // A failing file: one report per refused action with the engine's text, no hourglass left,
    // nothing created or lost, the user kept on the record with the edit, and Close and the input
    // page's OK still work. Showing the page again tries a table that could not be opened again.
    void failingDatabase_data()
    {
        QTest::addColumn<QString>("fault");   // a broken file, or what the test's connection does to it
        QTest::addColumn<int>("position");   // after a grid row is chosen with the lock let go; -1: never opened
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("stored");
        const QStringList ab{"A", "B"}, none;
        QTest::newRow("missing file") << "missing file" << -1 << QStringList{"unable to open database file"} << none;
        QTest::newRow("missing table") << "DROP TABLE ChannCon" << -1 << QStringList{"no such table: ChannCon"} << none;
        QTest::newRow("corrupt file") << "corrupt file" << -1 << QStringList{"file is not a database"} << none;
        QTest::newRow("locked by a writer") << "BEGIN EXCLUSIVE" << -1 << QStringList{"database is locked"} << ab;
        QTest::newRow("read-only") << "read-only" << 0 << QStringList(2, "attempt to write a readonly database") << ab;
        QTest::newRow("locked while saving") << "BEGIN IMMEDIATE" << 1 << QStringList{"database is locked"}
                                             << QStringList{"Kiel", "B"};
        // A quoted name that the table lacks would read as a text, so the open checks the columns.
        QTest::newRow("missing column") << "ALTER TABLE ChannCon DROP COLUMN Place" << -1
                                        << QStringList{"The table ChannCon has no column Place."} << none;
        QTest::newRow("view") << "ALTER TABLE ChannCon RENAME TO Cases; CREATE VIEW ChannCon AS SELECT * FROM Cases" << 0 << QStringList(2, "cannot modify ChannCon because it is a view") << ab;
    }
    void failingDatabase()
    {
        QFETCH(QString, fault);
        QFETCH(int, position);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, stored);
        const bool opens = position >= 0;
        ArchiveFixture f;
        QVERIFY(QSqlQuery(f.db).exec("INSERT INTO ChannCon (Date, Place, Author) VALUES ('2024-05-01', 'A', 'Mate'), "
                          "('2024-05-01', 'B', 'Mate')"));
        if (fault.endsWith(" file")) {
            f.db.close();
            QFile file(f.path);
            QVERIFY(fault == "missing file" ? file.remove()
                                            : file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096);
        } else if (fault != "read-only") {
            for (const QString &statement : fault.split("; "))
                QVERIFY(QSqlQuery(f.db).exec(statement));
        }
        const QStringList files = QDir(f.folder.path()).entryList(QDir::Files);

        DatabasePage &page = f.openDatabase(Channel);
        if (fault == "read-only") {
            page.Data1->setReadOnly(true);
            page.cmdRefresh->click();
        }
        QCOMPARE(page.Place->text(), QString(opens ? "A" : ""));
        // A refused save keeps the edit, and Add puts no defaults over it.
        page.Place->setText("Kiel");
        QTest::mouseClick(page.cmdAdd, Qt::LeftButton);
        QCOMPARE(page.Place->text(), QString("Kiel"));
        if (fault.startsWith("BEGIN"))
            QVERIFY(QSqlQuery(f.db).exec("ROLLBACK"));
        ArchiveFixture::clickRow(page, 1);
        QCOMPARE((QList<QVariant>{page.Data1->absolutePosition(), page.DBGrid1->currentIndex().row(), page.Place->text()}),
                 (QList<QVariant>{position, position, position == 1 ? "B" : "Kiel"}));
        for (QString &error : errors)
            error.prepend("Data error event hit err:");
        QCOMPARE(f.messageTexts(), errors);
        QVERIFY(f.platform.allShownAs(MessageIcon::None, kProgramTitle));
        QVERIFY(!QApplication::overrideCursor());

        QTest::mouseClick(page.CloseButton, Qt::LeftButton);
        QVERIFY(!page.isVisible());
        ConditionPage &input = f.input(Channel);
        QTest::mouseClick(input.Command1, Qt::LeftButton);
        const bool lockGone = fault == "BEGIN EXCLUSIVE";
        QCOMPARE(page.Data1->isOpen(), opens || lockGone);
        QCOMPARE(f.messageTexts(), opens || lockGone ? errors : errors + errors);
        // Opened at last, the page starts in Place; a retry that fails again keeps what was typed.
        QCOMPARE(page.Place->text(), QString(lockGone ? "A" : position == 1 ? "B" : "Kiel"));
        QCOMPARE(page.focusWidget() == page.Place, lockGone);
        QTest::mouseClick(page.CloseButton, Qt::LeftButton);
        ArchiveFixture::typeCase(input, "10 10 32 0.8 16 0.5 200 12.5 11");
        QTest::mouseClick(input.Command3, Qt::LeftButton);
        QCOMPARE(f.activeName(), QString("Results3"));
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), files);
        QCOMPARE(f.stored(Channel, "Place"), stored);
    }
};

QTEST_MAIN(DatabasePagesTest)
#include "test_database_pages.moc"
