// The about box: what the program is for, the method it follows and who made it.
#pragma once

#include "forms/form.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QSvgWidget;
class QTextBrowser;

namespace kavro {

class Forms;

class Form2 : public Form
{
    Q_OBJECT
public:
    explicit Form2(Forms &forms);

    QGroupBox *Frame1 = nullptr;
    QTextBrowser *Document1 = nullptr;
    QFrame *Line1 = nullptr;
    QSvgWidget *Image2 = nullptr;
    QSvgWidget *Image3 = nullptr;
    QSvgWidget *Image4 = nullptr;
    QSvgWidget *Image5 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *Label1 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QPushButton *Command1 = nullptr;   // OK

public slots:
    void Command1_Click();

private:
    void connectSignals();

    Forms &m_forms;
};

} // namespace kavro
