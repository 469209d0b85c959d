// Base of every window.
#include "forms/form.h"

#include "forms/font_faces.h"
#include "forms/form_runtime.h"

#include <QCloseEvent>
#include <QImage>
#include <QPushButton>
#include <QWindow>

#include <cmath>

namespace kavro {

namespace {

int toPixels(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }

} // namespace

Form::Form(FormRuntime &runtime, const QString &name, const QString &caption)
    : m_runtime(runtime)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFont(defaultPageFont());
    m_runtime.registerForm(*this);
}

Form::~Form()
{
    m_runtime.forget(*this);
}

void Form::Show()
{
    m_runtime.show(*this);
}

void Form::Hide()
{
    m_runtime.hide(*this);
}

void Form::setOwner(Form &owner)
{
    m_owner = &owner;
    // Only a dialog is marked transient for its owner on X11, and the mark goes to the native
    // window, which is therefore made now.
    setWindowFlag(Qt::Dialog);
    winId();
    owner.winId();
    windowHandle()->setTransientParent(owner.windowHandle());
}

void Form::setDefaultButton(QAbstractButton *button)
{
    // A Form is no dialog: Qt only draws the default-button frame, the runtime presses it.
    if (auto *previous = qobject_cast<QPushButton *>(m_defaultButton))
        previous->setDefault(false);
    m_defaultButton = button;
    if (auto *push = qobject_cast<QPushButton *>(button))
        push->setDefault(true);
}

QSize Form::setClientSizeTwips(double width, double height)
{
    const QSize client(toPixels(width), toPixels(height));
    resize(client);
    return client;
}

QSize Form::setOuterSizeTwips(double width, double height)
{
    return setClientSizeTwips(width - kFrameTwipsX, height - kFrameTwipsY);
}

QSizeF Form::clientSizeTwips() const
{
    return QSizeF(width() * kTwipsPerPixel, height() * kTwipsPerPixel);
}

void Form::placeTwips(QWidget *control, double left, double top, double width, double height)
{
    m_twips.insert(control, QRectF(left, top, width, height));
    // Round the edges, not the sizes, so that adjoining controls stay adjoining.
    const int x = toPixels(left);
    const int y = toPixels(top);
    control->setGeometry(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

void Form::moveTwips(QWidget *control, double left, double top)
{
    const QRectF current = geometryTwips(control);
    placeTwips(control, left, top, current.width(), current.height());
}

void Form::setTabChain(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        setTabOrder(controls.at(i - 1), controls.at(i));
}

QRectF Form::geometryTwips(const QWidget *control) const
{
    if (auto it = m_twips.constFind(control); it != m_twips.constEnd())
        return *it;
    const QRect g = control->geometry();
    return QRectF(g.x() * kTwipsPerPixel, g.y() * kTwipsPerPixel,
                  g.width() * kTwipsPerPixel, g.height() * kTwipsPerPixel);
}

void Form::PrintForm()
{
    const PrintOutcome outcome = m_runtime.platform().printImage(grab().toImage(), windowTitle());
    switch (outcome.status) {
    case PrintOutcome::Status::Printed:
        return;
    case PrintOutcome::Status::NoPrinter:
        m_runtime.message(MessageIcon::Stop, kProgramTitle,
                          QStringLiteral("No printer is installed, so the page was not printed."));
        return;
    case PrintOutcome::Status::Failed: {
        QString text = QStringLiteral("The printer did not take the page, so it was not printed.");
        if (!outcome.reason.isEmpty())
            text += QStringLiteral("\n\n") + outcome.reason;
        m_runtime.message(MessageIcon::Stop, kProgramTitle, text);
        return;
    }
    }
}

void Form::closeEvent(QCloseEvent *event)
{
    // Windows live until the program ends; the runtime decides what the close box does.
    event->ignore();
    m_runtime.closedByUser(*this);
}

} // namespace kavro
