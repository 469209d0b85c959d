// The main menu the program starts on: Start, Manual, About... and Exit.
#pragma once

#include "forms/form.h"

class QFrame;
class QLabel;
class QPushButton;
class QSvgWidget;

namespace kavro {

class Forms;

class Intro : public Form
{
    Q_OBJECT
public:
    explicit Intro(Forms &forms);

    QPushButton *Command1 = nullptr;   // Start
    QPushButton *Manual = nullptr;
    QPushButton *Command2 = nullptr;   // Exit
    QPushButton *Command3 = nullptr;   // About...
    QLabel *Label1 = nullptr;
    QSvgWidget *Picture1 = nullptr;
    QSvgWidget *Image1 = nullptr;
    QFrame *Frame1 = nullptr;

public slots:
    void Command1_Click();
    void Manual_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void connectSignals();

    Forms &m_forms;
};

} // namespace kavro
