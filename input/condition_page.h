// The input page of one waterway kind: its boxes, the Enter moves, the hint line, and OK,
// which checks the case, stores it and opens the results page.
#pragma once

#include "forms/form.h"
#include "input/condition_design.h"
#include "input/input_check.h"

#include <QHash>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kavro {

class Forms;

class ConditionPage : public Form
{
    Q_OBJECT
public:
    ConditionPage(Forms &forms, const ConditionDesign &design);

    WaterwayKind kind() const { return m_design.kind; }

    // The boxes of the kind, read and written by name by the database page.
    QStringList fieldNames() const { return m_fieldNames; }
    QLineEdit *field(const QString &name) const { return m_fields.value(name); }
    QLineEdit *field(CaseField field) const { return m_fields.value(fieldName(field)); }
    QString fieldText(const QString &name) const;
    void setFieldText(const QString &name, const QString &text);
    FieldTexts fieldTexts() const;

    bool hintShown() const { return HintShown; }

    // Boxes by their designed names; W and HB are null on the pages that lack them.
    QLineEdit *TA = nullptr;
    QLineEdit *TF = nullptr;
    QLineEdit *B2 = nullptr;
    QLineEdit *CB = nullptr;
    QLineEdit *SS = nullptr;
    QLineEdit *K = nullptr;
    QLineEdit *W = nullptr;
    QLineEdit *H = nullptr;
    QLineEdit *HB = nullptr;
    QLabel *Infotekst = nullptr;
    QPushButton *Command1 = nullptr;   // Data Base
    QPushButton *Command2 = nullptr;   // Cancel
    QPushButton *Command3 = nullptr;   // OK

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void Form_Load();
    void Field_KeyPress(CaseField field);
    void Field_LostFocus(CaseField field);
    void K_GotFocus();
    void K_MouseMove();
    void CB_MouseMove();
    void Form_MouseMove();

    QLineEdit *&member(CaseField field);
    void createPicture();
    QWidget *createDataFrame(const QString &name, const QString &caption, const QString &heading,
                             const QRectF &place);
    void createFields(QWidget *shipFrame, QWidget *waterwayFrame);
    void createHintLine();
    void createButtons();
    void setFocusOrder();
    void connectSignals();

    Forms &m_forms;
    const ConditionDesign &m_design;
    QStringList m_fieldNames;
    QHash<QString, QLineEdit *> m_fields;
    // Set when the pointer has passed over K or CB since it last passed over the page itself,
    // so that pointer movement shows and empties the hint only once each.
    bool HintShown = false;
};

} // namespace kavro
