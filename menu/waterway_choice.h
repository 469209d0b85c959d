// The choice of waterway kind between the main menu and the input pages.
#pragma once

#include "forms/form.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSvgWidget;

namespace kavro {

class Forms;

class Forhold : public Form
{
    Q_OBJECT
public:
    explicit Forhold(Forms &forms);

    QRadioButton *Option1 = nullptr;   // depth-restricted
    QRadioButton *Option2 = nullptr;   // canal
    QRadioButton *Option3 = nullptr;   // channel
    QPushButton *Command1 = nullptr;   // OK
    QPushButton *Command2 = nullptr;   // Cancel
    QLabel *Label1 = nullptr;
    QSvgWidget *Image1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QFrame *Frame3 = nullptr;

public slots:
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Command1_Click();
    void Command2_Click();

private:
    void connectSignals();

    Forms &m_forms;
};

} // namespace kavro
