// The database pages and their delete confirmations over a real database file: the default
// record, the checks of Update and Close, Retrieve, Delete, the record caption, the hourglass,
// the focus rule of the Place box, and a database file that fails.
#include "archive/database_design.h"
#include "archive/delete_confirmation.h"
#include "support/archive_fixture.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

using namespace kavro;

namespace {

constexpr auto DepthRestricted = WaterwayKind::DepthRestricted;
constexpr auto Canal = WaterwayKind::Canal;
constexpr auto Channel = WaterwayKind::Channel;

const QString kNoDate = QStringLiteral("A value is required in the Date field.");
const QString kNoArea = QStringLiteral("A text is required in the Area field.");
const QString kNoAuthor = QStringLiteral("A text is required in the Author field.");
const QString kRetrieveRefused = QStringLiteral("Cannot use retrieve on record with data.");
const QString kLastRecord = QStringLiteral("The system does not accept to delete the last record.");

QList<QHash<QString, QString>> places(const QStringList &names)
{
    QList<QHash<QString, QString>> records;
    for (const QString &name : names)
        records.append({{"Date", "2024-05-01"}, {"Place", name}, {"Author", "Mate"}});
    return records;
}

QString today()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

} // namespace

class DatabasePagesTest : public QObject
{
    Q_OBJECT
private slots:
    void openingAnEmptyTableStoresOneDefaultRecord_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("dateLabel");
        QTest::addColumn<QStringList>("buttons");   // Retrieve, Close, OK
        QTest::addColumn<bool>("okIsDefault");
        QTest::newRow("depth-restricted") << DepthRestricted << "frmCond1dat"
                                          << "DATA BASE  -   DEPTH-RESTRICTED CONDITIONS" << "Shallow Water Area A"
                                          << "Date " << QStringList{"Command3", "Command2", "Command1"} << false;
        QTest::newRow("canal") << Canal << "frmCond2dat" << "DATA BASE  -  CANAL CONDITIONS" << "Canal A" << "Date  "
                               << QStringList{"Command1", "Cancel", "OK"} << false;
        QTest::newRow("channel") << Channel << "frmCond3Dat" << "DATA BASE  -  CHANNEL CONDITIONS" << "Channel A"
                                 << "Date  " << QStringList{"Command3", "Command2", "Command1"} << true;
    }
    void openingAnEmptyTableStoresOneDefaultRecord()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, place);
        QFETCH(QString, dateLabel);
        QFETCH(QStringList, buttons);
        QFETCH(bool, okIsDefault);
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(kind);
        QCOMPARE(page.objectName(), name);
        QCOMPARE(page.windowTitle(), caption);
        QCOMPARE(page.findChild<QLabel *>("LabelDate")->text(), dateLabel);
        QCOMPARE((QStringList{page.RetrieveButton->objectName(), page.CloseButton->objectName(),
                              page.OKButton->objectName()}), buttons);
        QCOMPARE(page.defaultButton() == page.OKButton, okIsDefault);
        QCOMPARE(f.visibleNames(), (QStringList{f.input(kind).objectName(), name}));

        const QString table = ArchiveFixture::table(kind);
        QCOMPARE(f.database.column(table, "Place"), QStringList{place});
        QCOMPARE(f.database.column(table, "Author"), QStringList{"Captain N.N"});
        QCOMPARE(f.database.column(table, "Date"), QStringList{today()});
        QCOMPARE(page.Data1->caption(), QString("Record: 1"));
        QCOMPARE(QApplication::focusWidget(), page.Place);
        QCOMPARE(f.platform.messages.size(), 0);
        QVERIFY(!QApplication::overrideCursor());
    }

    // Tab walks the boxes, the buttons and the grid and wraps to Place; the disabled Date box,
    // the hidden Teller box and the invisible Refresh take no part.
    void tabOrder_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("depth-restricted")
            << DepthRestricted
            << QStringList{"Author", "TA", "TF", "B2", "CB", "SS", "K", "H", "Other", "cmdAdd", "Command3", "cmdUpdate",
                           "cmdDelete", "Command2", "Command1", "DBGrid1", "Place"};
        QTest::newRow("canal") << Canal
                               << QStringList{"Author", "TA", "TF", "B2", "CB", "SS", "K", "W", "H", "Other", "cmdAdd",
                                              "Command1", "cmdUpdate", "cmdDelete", "Cancel", "OK", "DBGrid1", "Place"};
        QTest::newRow("channel") << Channel
                                 << QStringList{"Author", "TA", "TF", "B2", "CB", "SS", "K", "W", "H", "HB", "Other",
                                                "cmdAdd", "Command3", "cmdUpdate", "cmdDelete", "Command2", "Command1",
                                                "DBGrid1", "Place"};
    }
    void tabOrder()
    {
        QFETCH(WaterwayKind, kind);
        QFETCH(QStringList, order);
        ArchiveFixture f;
        f.openDatabase(kind);
        QStringList visited;
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order);
    }

    void boxLimits()
    {
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(DepthRestricted);
        page.Place->clear();
        QTest::keyClicks(page.Place, QString(60, QLatin1Char('p')));
        page.Author->clear();
        QTest::keyClicks(page.Author, QString(40, QLatin1Char('a')));
        QCOMPARE(page.Place->text().size(), 50);
        QCOMPARE(page.Author->text().size(), 30);
    }

    void updateChecksInOrder_data()
    {
        QTest::addColumn<QString>("date");   // "today" keeps the record's date
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("message");
        QTest::newRow("no date, no place") << "" << "" << "" << kNoDate;
        QTest::newRow("date that is no date") << "2024-13-45" << "Kiel" << "Mate" << kNoDate;
        QTest::newRow("no place, no author") << "today" << "" << "" << kNoArea;
        QTest::newRow("blank place, no author") << "today" << " " << "" << kNoAuthor;
        QTest::newRow("blank author") << "today" << "Kiel" << " " << "";
    }
    void updateChecksInOrder()
    {
        QFETCH(QString, date);
        QFETCH(QString, place);
        QFETCH(QString, author);
        QFETCH(QString, message);
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(DepthRestricted);
        if (date != "today")
            page.Date->setText(date);
        page.Place->setText(place);
        page.Author->setText(author);
        QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);

        const QString table = ArchiveFixture::table(DepthRestricted);
        if (message.isEmpty()) {
            QCOMPARE(f.platform.messages.size(), 0);
            QCOMPARE(f.database.column(table, "Place"), QStringList{place});
            QCOMPARE(f.database.column(table, "Author"), QStringList{author});
        } else {
            QCOMPARE(f.messageTexts(), QStringList{message});
            QCOMPARE(f.platform.messages.first().icon, MessageIcon::Stop);
            QCOMPARE(f.platform.messages.first().title, QString(" "));
            QCOMPARE(f.database.column(table, "Place"), QStringList{"Shallow Water Area A"});
            QCOMPARE(page.Place->text(), place);
        }
    }

    void closeChecksPlaceAndAuthorOnly_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("message");
        QTest::newRow("no place") << today() << "" << "Mate" << kNoArea;
        QTest::newRow("no place, no author") << today() << "" << "" << kNoArea;
        QTest::newRow("no author") << today() << "Kiel" << "" << kNoAuthor;
        QTest::newRow("no date") << "" << "Kiel" << "Mate" << "";
    }
    void closeChecksPlaceAndAuthorOnly()
    {
        QFETCH(QString, date);
        QFETCH(QString, place);
        QFETCH(QString, author);
        QFETCH(QString, message);
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(Canal);
        page.Date->setText(date);
        page.Place->setText(place);
        page.Author->setText(author);
        QTest::mouseClick(page.CloseButton, Qt::LeftButton);
        QCOMPARE(f.messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(page.isVisible(), !message.isEmpty());
        // Close saves nothing itself.
        QCOMPARE(f.database.column(ArchiveFixture::table(Canal), "Place"), QStringList{"Canal A"});
    }

    // A record without values takes every value box of the input page, empty ones included;
    // once it holds any value, Retrieve refuses.
    void retrieveFillsOnlyARecordWithoutValues_data()
    {
        QTest::addColumn<WaterwayKind>("kind");
        QTest::newRow("depth-restricted") << DepthRestricted;
        QTest::newRow("canal") << Canal;
        QTest::newRow("channel") << Channel;
    }
    void retrieveFillsOnlyARecordWithoutValues()
    {
        QFETCH(WaterwayKind, kind);
        ArchiveFixture f;
        ConditionPage &input = f.input(kind);
        const QStringList names = input.fieldNames();
        for (qsizetype i = 0; i < names.size(); ++i)
            input.setFieldText(names.at(i), i == 1 ? QString() : QString("%1.50").arg(i + 1));
        DatabasePage &page = f.openDatabase(kind);
        page.Other->setPlainText("notes");
        QTest::mouseClick(page.RetrieveButton, Qt::LeftButton);
        for (const QString &name : names)
            QCOMPARE(page.valueBox(name)->text(), input.fieldText(name));
        QCOMPARE(page.Place->text(), databaseDesign(kind).defaultPlace);
        QCOMPARE(page.Other->toPlainText(), QString("notes"));
        QCOMPARE(f.platform.messages.size(), 0);

        input.setFieldText(names.first(), "99");
        QTest::mouseClick(page.RetrieveButton, Qt::LeftButton);
        QCOMPARE(f.messageTexts(), QStringList{kRetrieveRefused});
        QCOMPARE(page.valueBox(names.first())->text(), QString("1.50"));
    }

    void retrieveRefusesARecordWithOnlyK()
    {
        ArchiveFixture f;
        f.input(Channel).setFieldText("TA", "10");
        DatabasePage &page = f.openDatabase(Channel);
        page.valueBox("K")->setText("0.5");
        QTest::mouseClick(page.RetrieveButton, Qt::LeftButton);
        QCOMPARE(f.messageTexts(), QStringList{kRetrieveRefused});
        QCOMPARE(f.platform.messages.first().icon, MessageIcon::Stop);
        QCOMPARE(page.valueBox("TA")->text(), QString());
    }

    // Add starts one record that is not stored until Update; Update then stays on it.
    void addThenUpdate()
    {
        ArchiveFixture f;
        const QString table = ArchiveFixture::table(DepthRestricted);
        f.database.insert(table, places({"A", "B"}));
        DatabasePage &page = f.openDatabase(DepthRestricted);
        QTest::mouseClick(page.cmdAdd, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), page.Place);
        QCOMPARE(page.Place->text(), QString("Shallow Water Area A"));
        QCOMPARE(page.Author->text(), QString("Captain N.N"));
        QCOMPARE(page.Date->text(), today());
        QCOMPARE(f.database.count(table), 2);
        QCOMPARE(page.Data1->caption(), QString("Record: 3"));

        QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);
        QCOMPARE(f.database.column(table, "Place"), (QStringList{"A", "B", "Shallow Water Area A"}));
        QCOMPARE(page.Data1->caption(), QString("Record: 3"));
        QCOMPARE(page.Teller->text(), f.database.column(table, "Teller").last());
    }

    void captionAfterASave_data()
    {
        QTest::addColumn<int>("moves");
        QTest::addColumn<QString>("caption");
        QTest::newRow("first of three") << 0 << "Record: 1";
        QTest::newRow("second of three") << 1 << "Record: 2";
        QTest::newRow("last of three") << 2 << "Record: 3";
    }
    void captionAfterASave()
    {
        QFETCH(int, moves);
        QFETCH(QString, caption);
        ArchiveFixture f;
        const QString table = ArchiveFixture::table(Canal);
        f.database.insert(table, places({"A", "B", "C"}));
        DatabasePage &page = f.openDatabase(Canal);
        for (int i = 0; i < moves; ++i)
            page.Data1->moveNext();
        page.Place->setText("Edited");
        QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);
        QCOMPARE(page.Data1->caption(), caption);
        QCOMPARE(f.database.column(table, "Place").at(moves), QString("Edited"));
    }

    void deleteWithoutDateDoesNothing()
    {
        ArchiveFixture f;
        DatabasePage &page = f.openDatabase(DepthRestricted);
        page.Date->clear();
        QTest::mouseClick(page.cmdDelete, Qt::LeftButton);
        QVERIFY(!f.forms->existing(FormId::Delete1));
        QCOMPARE(f.activeName(), QString("frmCond1dat"));
    }

    void deleteAsksOnceAndNoKeepsTheRecord()
    {
        ArchiveFixture f;
        const QString table = ArchiveFixture::table(Channel);
        f.database.insert(table, places({"A", "B"}));
        DatabasePage &page = f.openDatabase(Channel);
        QTest::mouseClick(page.cmdDelete, Qt::LeftButton);
        auto &confirmation = f.forms->as<DeleteConfirmation>(FormId::Delete3);
        QVERIFY(QTest::qWaitForWindowActive(&confirmation));
        QCOMPARE(confirmation.objectName(), QString("Cond3delete"));
        QCOMPARE(confirmation.windowTitle(), QString("Confirm Deleting"));
        QCOMPARE(QApplication::focusWidget(), confirmation.Command1);

        // The page stays usable beneath; Delete again only brings the confirmation to the front.
        QTest::mouseClick(page.cmdDelete, Qt::LeftButton);
        QCOMPARE(f.activeName(), QString("Cond3delete"));
        QCOMPARE(f.visibleNames().count("Cond3delete"), 1);

        QTest::mouseClick(confirmation.Command2, Qt::LeftButton);
        QVERIFY(!confirmation.isVisible());
        QCOMPARE(f.database.column(table, "Place"), (QStringList{"A", "B"}));
        QCOMPARE(page.Place->text(), QString("A"));
        QCOMPARE(f.platform.messages.size(), 0);
    }

    void deleteConfirmed_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("moves");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("second of three") << QStringList{"A", "B", "C"} << 1 << QStringList{"A", "C"} << QStringList{};
        QTest::newRow("last of three") << QStringList{"A", "B", "C"} << 2 << QStringList{"A", "B"} << QStringList{};
        QTest::newRow("the only record") << QStringList{"A"} << 0 << QStringList{"Shallow Water Area A"}
                                         << QStringList{kLastRecord};
    }
    void deleteConfirmed()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, moves);
        QFETCH(QStringList, remaining);
        QFETCH(QStringList, messages);
        ArchiveFixture f;
        const QString table = ArchiveFixture::table(DepthRestricted);
        f.database.insert(table, places(stored));
        DatabasePage &page = f.openDatabase(DepthRestricted);
        const QString deletedTeller = f.database.column(table, "Teller").at(moves);
        for (int i = 0; i < moves; ++i)
            page.Data1->moveNext();
        QTest::mouseClick(page.cmdDelete, Qt::LeftButton);
        auto &confirmation = f.forms->as<DeleteConfirmation>(FormId::Delete1);
        QVERIFY(QTest::qWaitForWindowActive(&confirmation));
        QTest::mouseClick(confirmation.Command1, Qt::LeftButton);

        QCOMPARE(f.messageTexts(), messages);
        for (const RecordedMessage &message : std::as_const(f.platform.messages)) {
            QCOMPARE(message.icon, MessageIcon::None);
            QCOMPARE(message.title, kProgramTitle);
        }
        QCOMPARE(f.database.column(table, "Place"), remaining);
        QVERIFY(!f.database.column(table, "Teller").contains(deletedTeller));
        QVERIFY(!confirmation.isVisible());
        QCOMPARE(f.activeName(), QString("frmCond1dat"));
        QTRY_COMPARE(QApplication::focusWidget(), page.Place);
        QCOMPARE(page.Place->text(), remaining.first());
        QCOMPARE(page.Data1->caption(), QString("Record: 1"));
    }

    // Yes deletes the record current when it is pressed, not the one current at Delete.
    void yesDeletesTheRecordCurrentNow()
    {
        ArchiveFixture f;
        const QString table = ArchiveFixture::table(Canal);
        f.database.insert(table, places({"A", "B", "C"}));
        DatabasePage &page = f.openDatabase(Canal);
        QTest::mouseClick(page.cmdDelete, Qt::LeftButton);
        page.Data1->moveLast();
        QTest::mouseClick(f.forms->as<DeleteConfirmation>(FormId::Delete2).Command1, Qt::LeftButton);
        QCOMPARE(f.database.column(table, "Place"), (QStringList{"A", "B"}));
    }

    // The focus coming back to the Place box with the page adds no record; entering the box does.
    void onlyEnteringPlaceAddsTheDefaultRecord()
    {
        ArchiveFixture f;
        const QString table = ArchiveFixture::table(DepthRestricted);
        f.database.insert(table, places({"A"}));
        DatabasePage &page = f.openDatabase(DepthRestricted);
        QCOMPARE(QApplication::focusWidget(), page.Place);
        QVERIFY(page.Data1->deleteCurrent());
        QCOMPARE(page.Date->text(), QString());

        ConditionPage &input = f.input(DepthRestricted);
        input.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&input));
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QCOMPARE(QApplication::focusWidget(), page.Place);
        QCOMPARE(f.database.count(table), 0);
        QCOMPARE(page.Date->text(), QString());

        QTest::keyClick(page.Place, Qt::Key_Tab);
        QTest::keyClick(page.Author, Qt::Key_Backtab);
        QCOMPARE(f.database.column(table, "Place"), QStringList{"Shallow Water Area A"});
        QCOMPARE(page.Data1->caption(), QString("Record: 1"));
    }

    // The hourglass is up while the data control acts and gone once the action ends, also when
    // the action brings no new current record.
    void everyActionRestoresThePointer_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("update record") << 0;
        QTest::newRow("add new") << 1;
        QTest::newRow("move last") << 2;
        QTest::newRow("refresh") << 3;
        QTest::newRow("delete") << 4;
    }
    void everyActionRestoresThePointer()
    {
        QFETCH(int, action);
        ArchiveFixture f;
        f.database.insert(ArchiveFixture::table(Canal), places({"A", "B"}));
        DatabasePage &page = f.openDatabase(Canal);
        QList<Qt::CursorShape> during;
        connect(page.Data1, &DataControl::Validate, this, [&during](DataAction, int *) {
            during << (QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor);
        });
        page.Place->setText("Edited");
        switch (action) {
        case 0: page.Data1->updateRecord(); break;
        case 1: page.Data1->addNew(); break;
        case 2: page.Data1->moveLast(); break;
        case 3: page.Data1->refresh(); break;
        case 4: page.Data1->deleteCurrent(); break;
        }
        QCOMPARE(during, QList<Qt::CursorShape>{Qt::WaitCursor});
        QVERIFY(!QApplication::overrideCursor());
    }

    // A file the page cannot read: one report, empty boxes, Close and the input page still work,
    // and nothing is created or lost.
    void unreadableDatabase_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("missing file") << "missing file";
        QTest::newRow("missing table") << "missing table";
        QTest::newRow("corrupt file") << "corrupt file";
        QTest::newRow("locked for reading") << "locked for reading";
    }
    void unreadableDatabase()
    {
        QFETCH(QString, fault);
        ArchiveFixture f;
        const QString table = ArchiveFixture::table(DepthRestricted);
        f.database.insert(table, places({"A"}));
        QSqlDatabase locker;
        if (fault == "missing file") {
            QVERIFY(QFile::remove(f.database.path()));
        } else if (fault == "missing table") {
            QVERIFY(f.database.execute("DROP TABLE DepthRest"));
        } else if (fault == "corrupt file") {
            QFile file(f.database.path());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(4096, 'x'));
        } else {
            locker = f.database.connection();
            QVERIFY(QSqlQuery(locker).exec("BEGIN EXCLUSIVE"));
        }

        DatabasePage &page = f.openDatabase(DepthRestricted);
        QCOMPARE(f.dataErrors(), 1);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(page.Place->text(), QString());
        QCOMPARE(page.Date->text(), QString());
        QCOMPARE(page.Data1->caption(), QString("Record: 0"));
        QVERIFY(!QApplication::overrideCursor());

        QTest::mouseClick(page.cmdAdd, Qt::LeftButton);
        QTest::mouseClick(page.cmdDelete, Qt::LeftButton);
        QTest::mouseClick(page.CloseButton, Qt::LeftButton);
        QVERIFY(!page.isVisible());
        QCOMPARE(f.platform.messages.size(), 1);

        ConditionPage &input = f.input(DepthRestricted);
        const QStringList values{"10", "10", "32", "0.8", "16", "0.5", "12.5"};
        for (qsizetype i = 0; i < values.size(); ++i)
            input.setFieldText(input.fieldNames().at(i), values.at(i));
        QTest::mouseClick(input.Command3, Qt::LeftButton);
        QCOMPARE(f.activeName(), QString("Results1"));

        if (locker.isValid())
            QVERIFY(QSqlQuery(locker).exec("ROLLBACK"));
        QCOMPARE(QFile::exists(f.database.path()), fault != "missing file");
        if (fault == "locked for reading")
            QCOMPARE(f.database.column(table, "Place"), QStringList{"A"});
    }

    // A save that the file refuses: one report, the edits stay in the boxes, the stored record
    // is as it was and the hourglass is gone.
    void refusedSave_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only") << true;
        QTest::newRow("locked by another writer") << false;
    }
    void refusedSave()
    {
        QFETCH(bool, readOnly);
        ArchiveFixture f;
        const QString table = ArchiveFixture::table(Channel);
        f.database.insert(table, places({"A"}));
        DatabasePage &page = f.openDatabase(Channel);
        QSqlDatabase locker;
        if (readOnly) {
            page.Data1->setReadOnly(true);
            page.cmdRefresh->click();
        } else {
            locker = f.database.connection();
            QVERIFY(QSqlQuery(locker).exec("BEGIN IMMEDIATE"));
        }
        page.Place->setText("Kiel");
        QTest::mouseClick(page.cmdUpdate, Qt::LeftButton);
        QCOMPARE(f.dataErrors(), 1);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(page.Place->text(), QString("Kiel"));
        QVERIFY(!QApplication::overrideCursor());
        if (locker.isValid())
            QVERIFY(QSqlQuery(locker).exec("ROLLBACK"));
        QCOMPARE(f.database.column(table, "Place"), QStringList{"A"});
    }
};

QTEST_MAIN(DatabasePagesTest)
#include "test_database_pages.moc"
