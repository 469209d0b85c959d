// The window model: instances, Show and Hide, activation, dialog keys and synthesized keystrokes.
#include "forms/form_runtime.h"

#include "forms/form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace kavro {

namespace {

using KeyStroke = std::pair<int, Qt::KeyboardModifiers>;

QList<KeyStroke> parseKeys(const QString &keys)
{
    QList<KeyStroke> strokes;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    for (int i = 0; i < keys.size(); ++i) {
        const QChar c = keys.at(i);
        if (c == QLatin1Char('+')) {
            modifiers |= Qt::ShiftModifier;
            continue;
        }
        if (c == QLatin1Char('{')) {
            const int close = keys.indexOf(QLatin1Char('}'), i);
            if (close < 0)
                break;
            const QString name = keys.mid(i + 1, close - i - 1).toLower();
            i = close;
            int key = 0;
            if (name == QLatin1String("tab"))
                key = modifiers & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab;
            else if (name == QLatin1String("home"))
                key = Qt::Key_Home;
            else if (name == QLatin1String("end"))
                key = Qt::Key_End;
            else if (name == QLatin1String("enter"))
                key = Qt::Key_Return;
            if (key != 0)
                strokes.append({key, modifiers});
            modifiers = Qt::NoModifier;
        }
    }
    return strokes;
}

// How long an activation by the window manager must hold before it counts as the user's.
constexpr int kSettleMilliseconds = 300;

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The offscreen platform stacks nothing and warns on every raise.
void raiseWindow(QWidget &window)
{
    static const bool canRaise = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (canRaise)
        window.raise();
}

bool canPress(const QAbstractButton *button)
{
    return button && button->isEnabled() && button->isVisible();
}

} // namespace

FormRuntime::FormRuntime(Platform &platform)
    : m_platform(platform)
{
    qApp->installEventFilter(this);
}

FormRuntime::~FormRuntime()
{
    qApp->removeEventFilter(this);
}

QList<Form *> FormRuntime::visibleForms() const
{
    return m_stack;
}

void FormRuntime::show(Form &form)
{
    if (m_ended)
        return;
    if (!m_forms.contains(&form))
        m_forms.insert(&form);
    if (!form.isVisible()) {
        form.setVisible(true);
    }
    bringToTop(form);
    makeActive(form);
}

void FormRuntime::hide(Form &form)
{
    if (!form.isVisible() && !m_stack.contains(&form))
        return;
    form.setVisible(false);
    m_stack.removeAll(&form);
    if (m_active == &form) {
        m_active = nullptr;
        if (!m_stack.isEmpty()) {
            Form *top = m_stack.last();
            raiseWindow(*top);
            makeActive(*top);
        }
    }
}

void FormRuntime::bringToTop(Form &form)
{
    m_stack.removeAll(&form);
    m_stack.append(&form);
    raiseWindow(form);
}

void FormRuntime::makeActive(Form &form)
{
    if (m_ended || !form.isVisible())
        return;
    form.activateWindow();
    if (m_active == &form)
        return;
    m_active = &form;
    form.Form_Activate();
    emit form.activated();
}

void FormRuntime::registerForm(Form &form)
{
    m_forms.insert(&form);
}

void FormRuntime::forget(Form &form)
{
    m_forms.remove(&form);
    m_stack.removeAll(&form);
    if (m_active == &form)
        m_active = nullptr;
}

void FormRuntime::closedByUser(Form &form)
{
    hide(form);
    if (m_stack.isEmpty())
        end();
}

void FormRuntime::message(MessageIcon icon, const QString &title, const QString &text)
{
    m_platform.showMessage(icon, title, text, m_active);
}

bool FormRuntime::startDetached(const QString &program, const QStringList &arguments)
{
    return m_platform.startDetached(program, arguments);
}

void FormRuntime::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_platform.end();
}

void FormRuntime::sendKeys(const QString &keys)
{
    const QList<KeyStroke> strokes = parseKeys(keys);
    QTimer::singleShot(0, this, [this, strokes] { deliverKeys(strokes); });
}

void FormRuntime::deliverKeys(const QList<KeyStroke> &keys)
{
    for (const KeyStroke &stroke : keys) {
        if (m_ended)
            return;
        QWidget *target = QApplication::focusWidget();
        if (!target && m_active)
            target = m_active->focusWidget();
        if (!target)
            return;
        QKeyEvent press(QEvent::KeyPress, stroke.first, stroke.second);
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, stroke.first, stroke.second);
        QCoreApplication::sendEvent(target, &release);
    }
}

Form *FormRuntime::formOf(QObject *object) const
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    auto *form = qobject_cast<Form *>(widget->window());
    return form && m_forms.contains(form) ? form : nullptr;
}

bool FormRuntime::handleDialogKey(Form &form, QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (event.key() == Qt::Key_Escape) {
        if (!canPress(form.cancelButton()))
            return false;
        form.cancelButton()->click();
        return true;
    }
    if (!isEnter(event.key()))
        return false;
    // A focused command button takes Enter itself; otherwise the default button does. Option
    // buttons and check boxes are no command buttons: Enter on them still presses the default.
    if (auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
        focused && focused->window() == &form) {
        if (canPress(focused))
            focused->click();
        return true;
    }
    if (!canPress(form.defaultButton()))
        return false;
    form.defaultButton()->click();
    return true;
}

bool FormRuntime::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A click on a window that is not the active one activates it before the control acts.
        if (Form *form = formOf(watched); form && form != m_active && form->isVisible()) {
            bringToTop(*form);
            makeActive(*form);
        }
        break;
    case QEvent::KeyPress:
        if (Form *form = formOf(watched); form && watched == QApplication::focusWidget())
            return handleDialogKey(*form, static_cast<QKeyEvent &>(*event));
        break;
    case QEvent::WindowActivate:
        // The window manager activated one of our windows. It also does so on its own, e.g.
        // giving the focus back to a message box's parent just before we show the next window;
        // only an activation that is still in place a moment later is the user's.
        if (auto *form = qobject_cast<Form *>(watched); form && m_forms.contains(form) && form != m_active) {
            QTimer::singleShot(kSettleMilliseconds, this, [this, target = QPointer<Form>(form)] {
                if (target && !m_ended && target != m_active && target->isVisible()
                    && QApplication::activeWindow() == target) {
                    bringToTop(*target);
                    makeActive(*target);
                }
            });
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kavro
