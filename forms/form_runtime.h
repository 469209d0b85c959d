// The window model every page relies on: one instance per window, modeless Show and Hide,
// the program's own notion of its active window (and the Activate event it raises), where a
// window first appears, default, cancel and close-box buttons, and keystrokes synthesized for
// delivery after a handler returns.
#pragma once

#include "forms/platform.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSet>

class QKeyEvent;
class QMouseEvent;

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
    // Hides the window together with the windows it owns.
    void hide(Form &form);
    // The window that the program holds to be active; null when none is visible.
    Form *activeForm() const { return m_active; }
    // Visible windows, bottom first.
    QList<Form *> visibleForms() const;

    // Queues keystrokes ("{tab}", "+{tab}", "+{Home}") for the control that holds the focus
    // once the current handler has returned.
    void sendKeys(const QString &keys);

    void message(MessageIcon icon, const QString &title, const QString &text);
    // Starts a program without waiting for it; should it fail to start or end with an error,
    // the user gets `failureText` in a message box with the program's title.
    void startProgram(const QString &program, const QStringList &arguments, const QString &failureText);
    void end();
    bool ended() const { return m_ended; }

    // A window's close box pressed: it presses the window's close-box button, or hides the window
    // that has none; the program ends once none of its windows is visible.
    void closedByUser(Form &form);
    void registerForm(Form &form);
    void forget(Form &form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeActive(Form &form);
    void bringToTop(Form &form);
    // Where a window shown for the first time appears: a title bar's height below and right of
    // the window that opened it, or centred when none did; on the screen's free area either way.
    void placeFirstTime(Form &form, const Form *opener);
    bool handleDialogKey(Form &form, QKeyEvent &event);
    void notePress(QWidget &control);
    bool followPressedControl(QWidget &control, QMouseEvent &event);
    void deliverKeys(const QList<std::pair<int, Qt::KeyboardModifiers>> &keys);
    Form *formOf(QObject *object) const;

    Platform &m_platform;
    QSet<Form *> m_forms;
    QList<Form *> m_stack;
    QPointer<Form> m_active;
    QSet<const Form *> m_placed;
    // The active window that a handler has just hidden, until that handler returns: a window
    // that hides itself and shows another has still opened it.
    QPointer<Form> m_departed;
    // The control that took the last mouse press, and where it stood in its window then: an
    // activation that moves it (a results page lays out its panels) must not lose the click.
    QPointer<QWidget> m_pressed;
    QPoint m_pressedAt;
    bool m_forwarding = false;
    bool m_ended = false;
};

} // namespace kavro
