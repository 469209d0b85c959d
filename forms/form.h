// Base of every window: designed placement in twips, default, cancel and close-box buttons,
// the Activate event, Show and Hide through the window model, and printing of its image.
#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QRectF>
#include <QWidget>

class QAbstractButton;

namespace kavro {

class FormRuntime;

// Fixed screen resolution of the designed layouts: 1440 twips per inch at 96 dpi.
inline constexpr double kTwipsPerPixel = 15.0;
// Border and title bar that an outer window size includes around the client area.
inline constexpr double kFrameTwipsX = 120.0;
inline constexpr double kFrameTwipsY = 450.0;
// The title bar alone: the frame's height less a border above and one below.
inline constexpr double kTitleBarTwips = kFrameTwipsY - kFrameTwipsX;

class Form : public QWidget
{
    Q_OBJECT
public:
    Form(FormRuntime &runtime, const QString &name, const QString &caption);
    ~Form() override;

    FormRuntime &runtime() { return m_runtime; }

    void Show();
    void Hide();

    // A window that acts on another: it stays above its owner while both are shown (a window
    // manager keeps a dialog above the window it is transient for) and hides with it.
    void setOwner(Form &owner);
    Form *owner() const { return m_owner; }

    // Enter presses the default button, which is drawn as one; Esc presses the cancel button.
    void setDefaultButton(QAbstractButton *button);
    void setCancelButton(QAbstractButton *button) { m_cancelButton = button; }
    QAbstractButton *defaultButton() const { return m_defaultButton; }
    QAbstractButton *cancelButton() const { return m_cancelButton; }
    // The button that the title bar's close box presses: the window's own way back, so that
    // nothing typed is lost to it. A window without one is only hidden by its close box.
    void setCloseBoxButton(QAbstractButton *button) { m_closeBoxButton = button; }
    QAbstractButton *closeBoxButton() const { return m_closeBoxButton; }

    // Both return the client size in pixels that they asked for; a window manager may
    // deliver another one later.
    QSize setClientSizeTwips(double width, double height);
    QSize setOuterSizeTwips(double width, double height);
    QSizeF clientSizeTwips() const;

    // Places a control in twips relative to its parent (the window or a frame). The twips are
    // kept exactly, so repeated moves do not drift by pixel rounding.
    void placeTwips(QWidget *control, double left, double top, double width, double height);
    void moveTwips(QWidget *control, double left, double top);
    QRectF geometryTwips(const QWidget *control) const;
    // Tab visits the controls in this order.
    void setTabChain(const QList<QWidget *> &controls);

    // The window's image with its controls and drawing, on the default printer.
    void PrintForm();

    // Raised each time this window becomes the program's active window.
    virtual void Form_Activate() {}

signals:
    void activated();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    FormRuntime &m_runtime;
    QAbstractButton *m_defaultButton = nullptr;
    QAbstractButton *m_cancelButton = nullptr;
    QAbstractButton *m_closeBoxButton = nullptr;
    QPointer<Form> m_owner;
    QHash<const QWidget *, QRectF> m_twips;
};

} // namespace kavro
