// The window model: instances, Show and Hide, activation, dialog keys and synthesized keystrokes.
#include "forms/form_runtime.h"

#include "forms/form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

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
    m_forms.insert(&form);
    // Placed the first time; afterwards Qt keeps it where the user left it.
    const bool firstShow = !m_placed.contains(&form);
    const QPointer<Form> opener = m_departed ? m_departed : m_active;
    if (!form.isVisible()) {
        if (firstShow)
            placeFirstTime(form, opener);
        form.setVisible(true);
        // The focus shows from the first show on, not only after the first Tab; showing a
        // window clears the mark, so it is set afterwards.
        form.setAttribute(Qt::WA_KeyboardFocusChange);
    }
    bringToTop(form);
    makeActive(form);
    if (firstShow) {
        // A window that takes its size on its first activation (a results page fits its graph)
        // is placed again at that size, before the window manager has drawn it.
        m_placed.insert(&form);
        placeFirstTime(form, opener);
    }
}

void FormRuntime::placeFirstTime(Form &form, const Form *opener)
{
    if (opener == &form)
        opener = nullptr;
    QScreen *screen = opener ? opener->screen() : QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is not known before the window manager has framed the window once.
    const QSize outer = form.size() + QSize(int(kFrameTwipsX / kTwipsPerPixel), int(kFrameTwipsY / kTwipsPerPixel));
    const QRect area = screen->availableGeometry();
    const int step = int(kTitleBarTwips / kTwipsPerPixel);
    QPoint at = opener ? opener->pos() + QPoint(step, step)
                       : area.topLeft() + QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
    // Kept on the screen's free area; a window larger than that keeps its top left, with its
    // title bar, on it.
    at.setX(std::max(area.left(), std::min(at.x(), area.left() + area.width() - outer.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.top() + area.height() - outer.height())));
    // Once the window exists, move() places its client area as if it had no frame yet, which
    // would put its title bar over the opener's; the frame is what is placed.
    if (QWindow *window = form.windowHandle(); window && form.testAttribute(Qt::WA_WState_Created))
        window->setFramePosition(at);
    else
        form.move(at);
}

void FormRuntime::hide(Form &form)
{
    if (!form.isVisible() && !m_stack.contains(&form))
        return;
    // The windows it owns act on it: none of them may stay behind without it.
    QList<Form *> going{&form};
    for (qsizetype i = 0; i < going.size(); ++i) {
        for (Form *other : std::as_const(m_stack))
            if (other->owner() == going.at(i) && !going.contains(other))
                going.append(other);
    }
    bool activeGoes = false;
    // Owned ones first, so that none is left for a moment above a window that is gone.
    for (auto gone = going.crbegin(); gone != going.crend(); ++gone) {
        (*gone)->setVisible(false);
        m_stack.removeAll(*gone);
        activeGoes = activeGoes || m_active == *gone;
    }
    if (activeGoes) {
        m_active = nullptr;
        m_departed = &form;
        QTimer::singleShot(0, this, [this] { m_departed = nullptr; });
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
    // A window it owns stays above it.
    for (Form *owned : QList<Form *>(m_stack)) {
        if (owned->owner() == &form) {
            m_stack.removeAll(owned);
            m_stack.append(owned);
            raiseWindow(*owned);
        }
    }
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
    m_placed.remove(&form);
    m_stack.removeAll(&form);
    if (m_active == &form)
        m_active = nullptr;
}

void FormRuntime::closedByUser(Form &form)
{
    if (QAbstractButton *button = form.closeBoxButton()) {
        if (canPress(button))
            button->click();
    } else {
        hide(form);
    }
    // The program never runs on unseen.
    if (!m_ended && m_stack.isEmpty())
        end();
}

void FormRuntime::message(MessageIcon icon, const QString &title, const QString &text)
{
    m_platform.showMessage(icon, title, text, m_active);
}

void FormRuntime::startProgram(const QString &program, const QStringList &arguments, const QString &failureText)
{
    m_platform.startProgram(program, arguments, [runtime = QPointer<FormRuntime>(this), failureText] {
        if (runtime && !runtime->m_ended)
            runtime->message(MessageIcon::Stop, kProgramTitle, failureText);
    });
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

void FormRuntime::notePress(QWidget &control)
{
    // A press not taken by a control travels on to its parents; the control hit first counts.
    if (m_pressed && control.isAncestorOf(m_pressed))
        return;
    m_pressed = &control;
    m_pressedAt = control.mapTo(control.window(), QPoint(0, 0));
}

bool FormRuntime::followPressedControl(QWidget &control, QMouseEvent &event)
{
    // Qt gives the rest of a press to the control pressed, at the pointer's place relative to where
    // the control stands now; relative to where it stood at the press the pointer has not moved.
    const QPoint shift = control.mapTo(control.window(), QPoint(0, 0)) - m_pressedAt;
    if (shift.isNull())
        return false;
    QMouseEvent moved(event.type(), event.position() + shift, event.scenePosition(), event.globalPosition(),
                      event.button(), event.buttons(), event.modifiers(), event.pointingDevice());
    m_forwarding = true;
    QCoreApplication::sendEvent(&control, &moved);
    m_forwarding = false;
    return true;
}

bool FormRuntime::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A click on a window that is not the active one activates it before the control acts.
        if (Form *form = formOf(watched)) {
            notePress(static_cast<QWidget &>(*watched));
            if (form != m_active && form->isVisible()) {
                bringToTop(*form);
                makeActive(*form);
            }
        }
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        auto &mouse = static_cast<QMouseEvent &>(*event);
        const bool followed = watched == m_pressed && !m_forwarding && followPressedControl(*m_pressed, mouse);
        // The window sees the release before the control does.
        if (event->type() == QEvent::MouseButtonRelease && mouse.buttons() == Qt::NoButton && !m_forwarding
            && watched->isWidgetType())
            m_pressed = nullptr;
        if (followed)
            return true;
        break;
    }
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
