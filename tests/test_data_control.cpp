// The data control over a real database file: faults of the file, what survives a reopen,
// the limits of the grid's cells, the order of the records and saving on leaving a record.
#include "archive/data_control.h"
#include "support/temporary_database.h"

#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace kavro;

namespace {

const QString kTable = QStringLiteral("DepthRest");
const QString kToday = QDate::currentDate().toString("yyyy-MM-dd");

// A page in small: the control, its boxes and its grid.
struct CaseWindow
{
    explicit CaseWindow(const QString &path, const QString &table = kTable, bool readOnly = false)
    {
        auto *layout = new QVBoxLayout(&window);
        const QList<std::pair<QLineEdit *, QString>> boxes{{Teller, "Teller"}, {Date, "Date"}, {Place, "Place"}, {Author, "Author"}, {TA, "TA"}};
        for (const auto &[box, column] : boxes)
            layout->addWidget(box), Data1->bind(box, column);
        layout->addWidget(Other), layout->addWidget(DBGrid1), layout->addWidget(Data1);
        Place->setMaxLength(50);
        Author->setMaxLength(30);
        Data1->bind(Other, "Other");
        Data1->bindGrid(DBGrid1, {"Date", "Place", "Author"}, {"Date", "Location", "Responsible"});
        QObject::connect(Data1, &DataControl::Error, [this](int number, const QString &, int *response) {
            errors << number;
            *response = 0;
        });
        QObject::connect(Data1, &DataControl::Validate, [this](DataAction, int *save) { events << QString("Validate %1").arg(*save); });
        QObject::connect(Data1, &DataControl::Reposition, [this] { events << "Reposition"; });
        QObject::connect(Data1, &DataControl::ActionEnded, [this] { events << "ActionEnded"; });
        Data1->setDatabaseName(path);
        Data1->setRecordSource(table);
        Data1->setReadOnly(readOnly);
        Data1->open();
        window.show();
    }
    void click(const char *stripButton) { Data1->findChild<QToolButton *>(stripButton)->click(); }
    void clickRow(int row)
    {
        QTest::mouseClick(DBGrid1->viewport(), Qt::LeftButton, {}, DBGrid1->visualRect(DBGrid1->model()->index(row, 1)).center());
        QCoreApplication::processEvents();
    }
    QString gridText(int row, int column) const { return DBGrid1->model()->index(row, column).data().toString(); }
    // Types into a cell of the grid as the user does, replacing its text, and presses Enter.
    QLineEdit *typeInCell(int row, int column, const QString &text)
    {
        const QModelIndex cell = DBGrid1->model()->index(row, column);
        DBGrid1->setCurrentIndex(cell);
        DBGrid1->edit(cell);
        auto *editor = qobject_cast<QLineEdit *>(DBGrid1->indexWidget(cell));
        if (editor) {
            editor->clear();
            QTest::keyClicks(editor, text);
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents();    // the grid commits a cell once the key is handled
        }
        return editor;
    }

    QWidget window;
    // Made before the grid, so it goes first while the grid still shows its rows.
    DataControl *Data1 = new DataControl(&window);
    QLineEdit *Teller = new QLineEdit(&window);
    QLineEdit *Date = new QLineEdit(&window);
    QLineEdit *Place = new QLineEdit(&window);
    QLineEdit *Author = new QLineEdit(&window);
    QLineEdit *TA = new QLineEdit(&window);
    QPlainTextEdit *Other = new QPlainTextEdit(&window);
    QTableView *DBGrid1 = new QTableView(&window);
    QList<int> errors;
    QStringList events;
};

QList<QHash<QString, QString>> cases(int count)
{
    QList<QHash<QString, QString>> records;
    for (int i = 1; i <= count; ++i)
        records.append({{"Date", "2024-05-01"}, {"Place", QString("Place %1").arg(i)}, {"Author", "Captain N.N"}});
    return records;
}

enum class Fault { MissingFile, MissingTable, ReadOnly, Locked, Corrupt };

} // namespace

class DataControlTest : public QObject
{
    Q_OBJECT
private slots:
    void faults_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("number");    // the engine's own number for the fault
        QTest::newRow("missing file") << Fault::MissingFile << 14;
        QTest::newRow("missing table") << Fault::MissingTable << 1;
        QTest::newRow("read-only connection") << Fault::ReadOnly << 8;
        QTest::newRow("locked by a writer") << Fault::Locked << 5;
        QTest::newRow("corrupt file") << Fault::Corrupt << 26;
    }
    void faults()
    {
        QFETCH(Fault, fault);
        QFETCH(int, number);
        TemporaryDatabase db;
        db.insert(kTable, cases(3));
        QString path = fault == Fault::MissingFile ? db.folder() + "/absent.db" : db.path();
        const QString table = fault == Fault::MissingTable ? "CanalCond" : kTable;
        if (fault == Fault::MissingTable)
            QVERIFY(db.execute("DROP TABLE CanalCond"));
        QSqlDatabase writer = fault == Fault::Locked ? db.connection() : QSqlDatabase();
        if (writer.isValid())
            QVERIFY(QSqlQuery(writer).exec("BEGIN EXCLUSIVE"));
        if (fault == Fault::Corrupt) {
            QFile file(path = db.folder() + "/corrupt.db");
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(8192, 'k')) == 8192);
        }
        const QStringList files = QDir(db.folder()).entryList(QDir::Files);

        CaseWindow w(path, table, fault == Fault::ReadOnly);
        QCOMPARE(w.Date->text().isEmpty(), fault != Fault::ReadOnly);
        // The user goes on as if nothing happened.
        w.Data1->addNew();
        w.Place->setText("Harbour");
        QCOMPARE(w.Data1->updateRecord(), false);
        QCOMPARE(w.Place->text(), QString("Harbour"));
        w.Data1->deleteCurrent();
        w.click("Last");
        w.Data1->moveFirst();

        QCOMPARE(w.errors, QList<int>{number});
        QCOMPARE(QDir(db.folder()).entryList(QDir::Files), files);
        if (writer.isValid())
            QVERIFY(QSqlQuery(writer).exec("ROLLBACK"));
        QCOMPARE(db.count(kTable), 3);
    }

    void textsRoundTrip_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("value");
        QTest::newRow("accents") << "Île-de-Bréhat, Nørre Å" << "Jürgen Müller" << "Überfahrt, Ç" << "32.20";
        QTest::newRow("non-Latin letters") << "Владивосток 港口 ميناء" << "Ηρακλής" << "水深" << "1,5";
        QTest::newRow("quotes") << "O'Brien's \"Quay\"" << "'; DROP TABLE DepthRest; --" << "\"\"''" << "'0.80'";
        QTest::newRow("multi-line Other") << "Canal A" << "Captain N.N" << "first\nsecond\n\n  fourth\n" << " ";
    }
    void textsRoundTrip()
    {
        QFETCH(QString, place);
        QFETCH(QString, author);
        QFETCH(QString, other);
        QFETCH(QString, value);
        TemporaryDatabase db;
        db.insert(kTable, cases(1));
        {
            CaseWindow w(db.path());
            w.Data1->addNew();
            w.Place->setText(place);
            w.Author->setText(author);
            w.Other->setPlainText(other);
            w.TA->setText(value);
            QVERIFY(w.Data1->updateRecord());
        }
        CaseWindow w(db.path());
        w.click("Last");
        QCOMPARE(QStringList({w.Place->text(), w.Author->text(), w.Other->toPlainText(), w.TA->text()}),
                 QStringList({place, author, other, value}));
        QCOMPARE(w.gridText(1, 1), place);
        QCOMPARE(db.column(kTable, "Other"), QStringList({"", other}));
        QCOMPARE(w.errors, QList<int>());
    }

    void gridCellLimits_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("limit");
        QTest::newRow("Location") << 1 << 50;
        QTest::newRow("Responsible") << 2 << 30;
    }
    void gridCellLimits()
    {
        QFETCH(int, column);
        QFETCH(int, limit);
        TemporaryDatabase db;
        db.insert(kTable, cases(2));
        CaseWindow w(db.path());
        QVERIFY(w.typeInCell(0, column, QString(limit + 10, 'x')));
        QCOMPARE(w.gridText(0, column), QString(limit, 'x'));
        w.click("Next");
        QCOMPARE(db.column(kTable, column == 1 ? "Place" : "Author").first(), QString(limit, 'x'));
    }

    void dateCell_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("ISO date") << "2023-12-31" << true;
        QTest::newRow("regional form") << "31.12.2023" << false;
        QTest::newRow("no such day") << "2023-02-29" << false;
        QTest::newRow("words") << "yesterday" << false;
        QTest::newRow("empty") << "" << false;
    }
    void dateCell()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        TemporaryDatabase db;
        db.insert(kTable, cases(2));
        CaseWindow w(db.path());
        QVERIFY(w.typeInCell(0, 0, typed));
        const QString stored = accepted ? typed : "2024-05-01";
        QCOMPARE(w.errors, accepted ? QList<int>() : QList<int>{kNotADateError});
        QCOMPARE(w.Date->text(), stored);
        QVERIFY(w.Data1->updateRecord());
        QCOMPARE(db.column(kTable, "Date"), QStringList({stored, "2024-05-01"}));
    }

    void orderOfAddingAndWholeTable()
    {
        TemporaryDatabase db;
        QVERIFY(db.execute("INSERT INTO DepthRest (Teller, Place) VALUES (7, 'seven');"
                           "INSERT INTO DepthRest (Teller, Place) VALUES (3, 'three');"
                           "INSERT INTO DepthRest (Teller, Place) VALUES (5, 'five')"));
        db.insert(kTable, cases(700));
        CaseWindow w(db.path());
        QCOMPARE(w.Place->text(), QString("three"));
        QCOMPARE(QStringList({w.gridText(0, 1), w.gridText(1, 1), w.gridText(2, 1)}), QStringList({"three", "five", "seven"}));
        QCOMPARE(w.DBGrid1->model()->rowCount(), 703);
        w.events.clear();
        w.click("Next");
        QCOMPARE(w.Teller->text(), QString("5"));
        QCOMPARE(w.events, QStringList({"Validate 0", "Reposition", "ActionEnded"}));
        w.DBGrid1->setFocus();
        QTest::keyClick(w.DBGrid1, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(w.Data1->absolutePosition(), 702);
        QCOMPARE(w.Place->text(), QString("Place 700"));
        w.click("First");
        w.click("Last");
        w.click("Previous");
        QCOMPARE(w.Data1->absolutePosition(), 701);
        QCOMPARE(w.DBGrid1->currentIndex().row(), 701);
        QCOMPARE(w.errors, QList<int>());
    }

    void leavingSavesEdits_data()
    {
        QTest::addColumn<QString>("way");
        for (const char *way : {"strip", "grid row", "move first", "add new", "bookmark"})
            QTest::newRow(way) << way;
    }
    void leavingSavesEdits()
    {
        QFETCH(QString, way);
        TemporaryDatabase db;
        db.insert(kTable, cases(3));
        CaseWindow w(db.path());
        w.Data1->moveNext();
        w.Place->setText("Edited");
        w.Other->setPlainText("note");
        w.events.clear();
        if (way == "strip")
            w.click("Next");
        if (way == "grid row")
            w.clickRow(2);
        if (way == "move first")
            w.Data1->moveFirst();
        if (way == "add new")
            w.Data1->addNew();
        if (way == "bookmark")
            w.Data1->setBookmark(3);
        QCOMPARE(w.events.first(), QString("Validate 1"));
        QCOMPARE(db.column(kTable, "Place"), QStringList({"Place 1", "Edited", "Place 3"}));
        QCOMPARE(db.column(kTable, "Other"), QStringList({"", "note", ""}));
        QVERIFY(w.Place->text() != "Edited");
        QCOMPARE(w.errors, QList<int>());
    }

    void lockedFileKeepsUserOnRecord_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("byGrid");
        QTest::addColumn<QStringList>("events");
        const QStringList failedSave{"Validate 1", "ActionEnded"};
        QTest::newRow("save refused, strip") << "BEGIN IMMEDIATE" << "Edited" << false << failedSave;
        QTest::newRow("save refused, grid row") << "BEGIN IMMEDIATE" << "Edited" << true << failedSave;
        QTest::newRow("read refused") << "BEGIN EXCLUSIVE" << "Place 2" << false << QStringList({"Validate 0", "Reposition", "ActionEnded"});
    }
    void lockedFileKeepsUserOnRecord()
    {
        QFETCH(QString, lock);
        QFETCH(QString, edit);
        QFETCH(bool, byGrid);
        QFETCH(QStringList, events);
        TemporaryDatabase db;
        db.insert(kTable, cases(3));
        CaseWindow w(db.path());
        w.Data1->moveNext();
        QSqlDatabase writer = db.connection();
        QVERIFY(QSqlQuery(writer).exec(lock));
        w.Place->setText(edit);
        w.events.clear();
        const auto leave = [&] { byGrid ? w.clickRow(2) : w.click("Next"); };
        leave();
        QCOMPARE(w.errors, QList<int>{5});
        QCOMPARE(w.events, events);
        QCOMPARE(w.Data1->absolutePosition(), 1);
        QCOMPARE(w.DBGrid1->currentIndex().row(), 1);
        QCOMPARE(w.Place->text(), edit);
        QCOMPARE(w.gridText(1, 1), edit);

        QVERIFY(QSqlQuery(writer).exec("ROLLBACK"));
        leave();
        QCOMPARE(w.Data1->absolutePosition(), 2);
        QCOMPARE(db.column(kTable, "Place"), QStringList({"Place 1", edit, "Place 3"}));
        QCOMPARE(w.errors.size(), 1);
    }

    void newRecordShowsTellerAndDate()
    {
        TemporaryDatabase db;
        db.insert(kTable, cases(3));
        QVERIFY(db.execute("DELETE FROM DepthRest WHERE Teller = 3"));
        CaseWindow w(db.path());
        w.Data1->addNew();
        // Numbers of removed records are not given again.
        QCOMPARE(QStringList({w.Teller->text(), w.Date->text()}), QStringList({"4", kToday}));
        QCOMPARE(w.Data1->absolutePosition(), 2);
        QCOMPARE(w.DBGrid1->model()->rowCount(), 3);
        QCOMPARE(db.count(kTable), 2);
        w.Place->setText("New");
        QVERIFY(w.Data1->updateRecord());
        QCOMPARE(w.Data1->lastModified(), QVariant(qint64(4)));
        QCOMPARE(db.column(kTable, "Place"), QStringList({"Place 1", "Place 2", "New"}));
        QCOMPARE(db.column(kTable, "Date").last(), kToday);
        // A record added and left without an edit is dropped, not stored empty.
        w.Data1->addNew();
        w.Data1->moveFirst();
        QCOMPARE(db.count(kTable), 3);
        QCOMPARE(w.DBGrid1->model()->rowCount(), 3);
    }

    void emptyTable()
    {
        TemporaryDatabase db;
        CaseWindow w(db.path());
        QCOMPARE(w.Data1->absolutePosition(), -1);
        w.Data1->moveFirst();
        QCOMPARE(w.Data1->absolutePosition(), -1);
        w.Data1->addNew();
        w.Place->setText("Only");
        QVERIFY(w.Data1->updateRecord());
        QCOMPARE(w.Data1->absolutePosition(), 0);
        QVERIFY(w.Data1->deleteCurrent());
        QCOMPARE(w.Data1->absolutePosition(), -1);
        w.Data1->moveFirst();
        QCOMPARE(w.Data1->absolutePosition(), -1);
        QCOMPARE(w.Teller->text() + w.Date->text() + w.Place->text(), QString());
        QCOMPARE(db.count(kTable), 0);
        QCOMPARE(w.errors, QList<int>());
    }
};

QTEST_MAIN(DataControlTest)
#include "test_data_control.moc"
