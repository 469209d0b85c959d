// The database page of one waterway kind: the stored cases of its table, bound to boxes and a
// grid, with Add, Retrieve, Update, Delete, Close and OK, which takes a stored case over into the
// input page of the same kind.
#pragma once

#include "archive/data_control.h"
#include "forms/form.h"
#include "input/input_check.h"

#include <QHash>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace kavro {

class CheckPlan;
class Forms;
struct DatabaseDesign;

class DatabasePage : public Form
{
    Q_OBJECT
public:
    DatabasePage(Forms &forms, WaterwayKind kind);
    ~DatabasePage() override;

    WaterwayKind kind() const;
    // The box bound to a case field's column ("TA", ...); null when the kind has no such field.
    QLineEdit *valueBox(const QString &name) const { return m_valueBoxes.value(name); }
    // Puts the focus into the Place box as the program does after Add or a confirmed delete:
    // a page without a current record then gets its default record.
    void focusPlace();

    DataControl *Data1 = nullptr;
    QTableView *DBGrid1 = nullptr;
    QLineEdit *Teller = nullptr;
    QLineEdit *Date = nullptr;
    QLineEdit *Place = nullptr;
    QLineEdit *Author = nullptr;
    QPlainTextEdit *Other = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdUpdate = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdRefresh = nullptr;
    // Named Command3/Command2/Command1 on two pages and Command1/Cancel/OK on the canal page.
    QPushButton *RetrieveButton = nullptr;
    QPushButton *CloseButton = nullptr;
    QPushButton *OKButton = nullptr;

public slots:
    void cmdAdd_Click();
    void txtField2_GotFocus();
    void cmdUpdate_Click();
    void Close_Click();
    void cmdDelete_Click();
    void cmdRefresh_Click();
    void Retrieve_Click();
    void OK_Click();
    void Data1_Reposition();
    void Data1_Validate(kavro::DataAction action, int *save);
    void Data1_Error(int dataErr, const QString &description, int *response);
    void Data1_ActionEnded();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createFrame(const QString &name, const QString &caption, const QRectF &place);
    void createGeneralFrame();
    double waterwayHeight() const;
    void createValueFrames();
    void createOtherFrame();
    void createButtons();
    void createGrid();
    void bindData();
    void setFocusOrder();
    void connectSignals();

    // Adds a record with the page's default place and author; false when none was added.
    bool startDefaultRecord();
    void saveAndStay();
    FieldTexts boxTexts() const;
    // Runs the plan over the boxes and shows its messages; true when every step passed.
    bool passes(const CheckPlan &plan);
    void restorePointer();

    Forms &m_forms;
    const DatabaseDesign &m_design;
    QHash<QString, QLineEdit *> m_valueBoxes;
    // Set while the page shows the hourglass, so that it is restored exactly once.
    bool m_hourglass = false;
    // The Place box lost the focus only because the page stopped being the active window.
    bool m_placeLeftByDeactivation = false;
    bool m_shownBefore = false;
};

} // namespace kavro
