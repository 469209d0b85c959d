// The window model every page relies on: one instance per window, modeless Show and Hide,
// the program's own notion of its active window (and the Activate event it raises),
// default and cancel buttons, and keystrokes synthesized for delivery after a handler returns.
#pragma once

#include "forms/platform.h"

#include <QList>
#include <QSet>
#include <QObject>
#include <QPointer>

class QKeyEvent;

namespace kavro {

class Form;

class FormRuntime : public QObject
{
    Q_OBJECT
public:
    explicit FormRuntime(Platform &platform);
    ~FormRuntime() override;

    Platform &platform() { return m_platform; }

    void show(Form &form);
    void hide(Form &form);
    // The window that the program holds to be active; null when none is visible.
    Form *activeForm() const { return m_active; }
    // Visible windows, bottom first.
    QList<Form *> visibleForms() const;

    // Queues keystrokes ("{tab}", "+{tab}", "+{Home}") for the control that holds the focus
    // once the current handler has returned.
    void sendKeys(const QString &keys);

    void message(MessageIcon icon, const QString &title, const QString &text);
    bool startDetached(const QString &program, const QStringList &arguments);
    void end();
    bool ended() const { return m_ended; }

    // A window closed by its close box: hidden, and the program ends once none is visible.
    void closedByUser(Form &form);
    void registerForm(Form &form);
    void forget(Form &form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeActive(Form &form);
    void bringToTop(Form &form);
    bool handleDialogKey(Form &form, QKeyEvent &event);
    void deliverKeys(const QList<std::pair<int, Qt::KeyboardModifiers>> &keys);
    Form *formOf(QObject *object) const;

    Platform &m_platform;
    QSet<Form *> m_forms;
    QList<Form *> m_stack;
    QPointer<Form> m_active;
    bool m_ended = false;
};

} // namespace kavro
