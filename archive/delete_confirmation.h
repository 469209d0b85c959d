// The window that asks before the current record of a database page is deleted.
#pragma once

#include "core/waterway_kind.h"
#include "forms/form.h"

class QLabel;
class QPushButton;

namespace kavro {

class Forms;

class DeleteConfirmation : public Form
{
    Q_OBJECT
public:
    DeleteConfirmation(Forms &forms, WaterwayKind kind);

    QLabel *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;   // Yes
    QPushButton *Command2 = nullptr;   // No

public slots:
    void Command1_Click();
    void Command2_Click();

private:
    void connectSignals();

    Forms &m_forms;
    WaterwayKind m_kind;
};

} // namespace kavro
