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

// A page in small: the control, its boxes and its grid.
struct CaseWindow
{
    explicit CaseWindow(const QString &path, const QString &table = kTable, bool readOnly = false)
    {
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *box : std::initializer_list<QWidget *>{Teller, Date, Place, Author, TA, Other, DBGrid1, Data1})
            layout->addWidget(box);
        Place->setMaxLength(50);
        Author->setMaxLength(30);
        Data1->bind(Teller, "Teller");
        Data1->bind(Date, "Date");
        Data1->bind(Place, "Place");
        Data1->bind(Author, "Author");
        Data1->bind(TA, "TA");
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
    QToolButton *strip(const char *name) { return Data1->findChild<QToolButton *>(name); }
    QString gridText(int row, int column) const { return DBGrid1->model()->index(row, column).data().toString(); }

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
        QString path = db.path();
        QString table = kTable;
        QSqlDatabase writer;
        if (fault == Fault::MissingFile)
            path = db.folder() + "/absent.db";
        if (fault == Fault::MissingTable) {
            QVERIFY(db.execute("DROP TABLE CanalCond"));
            table = "CanalCond";
        }
        if (fault == Fault::Locked) {
            writer = db.connection();
            QVERIFY(QSqlQuery(writer).exec("BEGIN EXCLUSIVE"));
        }
        if (fault == Fault::Corrupt) {
            path = db.folder() + "/corrupt.db";
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(8192, 'k'));
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
        w.strip("Last")->click();
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
        w.strip("Last")->click();
        QCOMPARE(w.Place->text(), place);
        QCOMPARE(w.Author->text(), author);
        QCOMPARE(w.Other->toPlainText(), other);
        QCOMPARE(w.TA->text(), value);
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
        const QModelIndex cell = w.DBGrid1->model()->index(0, column);
        w.DBGrid1->setCurrentIndex(cell);
        w.DBGrid1->edit(cell);
        auto *editor = qobject_cast<QLineEdit *>(w.DBGrid1->indexWidget(cell));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QString(limit + 10, 'x'));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();    // the grid commits a cell once the key is handled
        QCOMPARE(w.gridText(0, column), QString(limit, 'x'));
        w.strip("Next")->click();
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
        const QModelIndex cell = w.DBGrid1->model()->index(0, 0);
        w.DBGrid1->setCurrentIndex(cell);
        w.DBGrid1->edit(cell);
        auto *editor = qobject_cast<QLineEdit *>(w.DBGrid1->indexWidget(cell));
        QVERIFY(editor);
        editor->clear();
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();    // the grid commits a cell once the key is handled
        const QString stored = accepted ? typed : "2024-05-01";
        QCOMPARE(w.errors, accepted ? QList<int>() : QList<int>{kNotADateError});
        QCOMPARE(w.Date->text(), stored);
        QVERIFY(w.Data1->updateRecord());
        QCOMPARE(db.column(kTable, "Date"), QStringList({stored, "2024-05-01"}));
    }

    void orderOfAdding()
    {
        TemporaryDatabase db;
        QVERIFY(db.execute("INSERT INTO DepthRest (Teller, Place) VALUES (7, 'seven');"
                           "INSERT INTO DepthRest (Teller, Place) VALUES (3, 'three');"
                           "INSERT INTO DepthRest (Teller, Place) VALUES (5, 'five')"));
        CaseWindow w(db.path());
        QCOMPARE(w.Place->text(), QString("three"));
        QCOMPARE(QStringList({w.gridText(0, 1), w.gridText(1, 1), w.gridText(2, 1)}), QStringList({"three", "five", "seven"}));
        w.events.clear();
        w.strip("Next")->click();
        QCOMPARE(w.Teller->text(), QString("5"));
        QCOMPARE(w.events, QStringList({"Validate 0", "Reposition", "ActionEnded"}));
        w.strip("Next")->click();
        w.strip("Next")->click();
        QCOMPARE(w.Place->text(), QString("seven"));
        w.strip("Previous")->click();
        QCOMPARE(w.Data1->absolutePosition(), 1);
        QCOMPARE(w.DBGrid1->currentIndex().row(), 1);
    }

    void gridKnowsEveryRecord()
    {
        TemporaryDatabase db;
        db.insert(kTable, cases(700));
        CaseWindow w(db.path());
        QCOMPARE(w.DBGrid1->model()->rowCount(), 700);
        w.DBGrid1->setFocus();
        QTest::keyClick(w.DBGrid1, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(w.Data1->absolutePosition(), 699);
        QCOMPARE(w.Place->text(), QString("Place 700"));
        w.strip("First")->click();
        QCOMPARE(w.Place->text(), QString("Place 1"));
        w.strip("Last")->click();
        QCOMPARE(w.DBGrid1->currentIndex().row(), 699);
        QCOMPARE(w.errors, QList<int>());
    }

    void leavingSavesEdits_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("strip") << "strip";
        QTest::newRow("grid row") << "grid";
        QTest::newRow("move first") << "first";
        QTest::newRow("add new") << "add";
        QTest::newRow("bookmark") << "bookmark";
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
            w.strip("Next")->click();
        if (way == "grid")
            QTest::mouseClick(w.DBGrid1->viewport(), Qt::LeftButton, {},
                              w.DBGrid1->visualRect(w.DBGrid1->model()->index(2, 1)).center());
        if (way == "first")
            w.Data1->moveFirst();
        if (way == "add")
            w.Data1->addNew();
        if (way == "bookmark")
            w.Data1->setBookmark(3);
        QCOMPARE(w.events.first(), QString("Validate 1"));
        QCOMPARE(db.column(kTable, "Place"), QStringList({"Place 1", "Edited", "Place 3"}));
        QCOMPARE(db.column(kTable, "Other"), QStringList({"", "note", ""}));
        QVERIFY(w.Place->text() != "Edited");
        QCOMPARE(w.errors, QList<int>());
    }

    void failedSaveKeepsEdits_data()
    {
        QTest::addColumn<bool>("byGrid");
        QTest::newRow("strip") << false;
        QTest::newRow("grid row") << true;
    }
    void failedSaveKeepsEdits()
    {
        QFETCH(bool, byGrid);
        TemporaryDatabase db;
        db.insert(kTable, cases(3));
        CaseWindow w(db.path());
        w.Data1->moveNext();
        QSqlDatabase writer = db.connection();
        QVERIFY(QSqlQuery(writer).exec("BEGIN IMMEDIATE"));
        w.Place->setText("Edited");
        w.events.clear();
        const QPoint thirdRow = w.DBGrid1->visualRect(w.DBGrid1->model()->index(2, 1)).center();
        const auto leave = [&] {
            if (byGrid)
                QTest::mouseClick(w.DBGrid1->viewport(), Qt::LeftButton, {}, thirdRow);
            else
                w.strip("Next")->click();
            QCoreApplication::processEvents();
        };
        leave();
        QCOMPARE(w.errors, QList<int>{5});
        QCOMPARE(w.events, QStringList({"Validate 1", "ActionEnded"}));
        QCOMPARE(w.Data1->absolutePosition(), 1);
        QCOMPARE(w.DBGrid1->currentIndex().row(), 1);
        QCOMPARE(w.Place->text(), QString("Edited"));
        QCOMPARE(w.gridText(1, 1), QString("Edited"));

        QVERIFY(QSqlQuery(writer).exec("ROLLBACK"));
        leave();
        QCOMPARE(w.Data1->absolutePosition(), 2);
        QCOMPARE(db.column(kTable, "Place"), QStringList({"Place 1", "Edited", "Place 3"}));
    }

    void newRecordShowsTellerAndDate()
    {
        TemporaryDatabase db;
        db.insert(kTable, cases(3));
        QVERIFY(db.execute("DELETE FROM DepthRest WHERE Teller = 3"));
        CaseWindow w(db.path());
        w.Data1->addNew();
        // Numbers of removed records are not given again.
        QCOMPARE(w.Teller->text(), QString("4"));
        QCOMPARE(w.Date->text(), QDate::currentDate().toString("yyyy-MM-dd"));
        QCOMPARE(w.Data1->absolutePosition(), 2);
        QCOMPARE(w.DBGrid1->model()->rowCount(), 3);
        QCOMPARE(db.count(kTable), 2);
        w.Place->setText("New");
        QVERIFY(w.Data1->updateRecord());
        QCOMPARE(w.Data1->lastModified(), QVariant(qint64(4)));
        QCOMPARE(db.column(kTable, "Place"), QStringList({"Place 1", "Place 2", "New"}));
        QCOMPARE(db.column(kTable, "Date").last(), QDate::currentDate().toString("yyyy-MM-dd"));
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
