// The main menu.
#include "menu/main_menu.h"

#include "forms/client_placement.h"
#include "forms/font_faces.h"
#include "forms/forms.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>

namespace kavro {

namespace {

constexpr double kButtonWidth = 1335;
constexpr double kButtonHeight = 495;
constexpr double kButtonTop = 5280;

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

Intro::Intro(Forms &forms)
    : Form(forms.runtime(), QStringLiteral("Intro"), QStringLiteral("MAIN MENU"))
    , m_forms(forms)
{
    setClientSizeTwips(6975, 6000);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Picture1 = new QSvgWidget(QStringLiteral(":/logo.svg"), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    placeInClient(*this, Picture1, 2580, 240, 1800, 1350);
    Image1 = new QSvgWidget(QStringLiteral(":/banner.svg"), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    placeInClient(*this, Image1, 330, 1920, 6300, 1650);

    Label1 = new QLabel(QStringLiteral("Version 2000"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(designedFont(QStringLiteral("Arial"), 12, true));
    Label1->setAlignment(Qt::AlignCenter);
    QPalette darkBlue = Label1->palette();
    darkBlue.setColor(QPalette::WindowText, QColor(0, 0, 0x80));
    Label1->setPalette(darkBlue);
    placeInClient(*this, Label1, 0, 4200, 6975, 375);

    // The band under the pictures keeps the ordinary window colour of the buttons.
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Panel);
    Frame1->setFrameShadow(QFrame::Raised);
    QPalette band = Frame1->palette();
    band.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    Frame1->setPalette(band);
    Frame1->setAutoFillBackground(true);
    placeInClient(*this, Frame1, 0, 4920, 6975, 1080);

    Command1 = button(QStringLiteral("Command1"), QStringLiteral("&Start"), Frame1);
    Manual = button(QStringLiteral("Manual"), QStringLiteral("&Manual"), Frame1);
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("About..."), Frame1);
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("E&xit"), Frame1);
    placeInClient(*this, Command1, 480, kButtonTop, kButtonWidth, kButtonHeight);
    placeInClient(*this, Manual, 2040, kButtonTop, kButtonWidth, kButtonHeight);
    placeInClient(*this, Command3, 3600, kButtonTop, kButtonWidth, kButtonHeight);
    placeInClient(*this, Command2, 5160, kButtonTop, kButtonWidth, kButtonHeight);
    setTabChain({Command1, Manual, Command2, Command3});
    setDefaultButton(Command1);
    setCancelButton(Command2);
    setCloseBoxButton(Command2);
    Command1->setFocus();
    connectSignals();
}

void Intro::connectSignals()
{
    connect(Command1, &QPushButton::clicked, this, &Intro::Command1_Click);
    connect(Manual, &QPushButton::clicked, this, &Intro::Manual_Click);
    connect(Command2, &QPushButton::clicked, this, &Intro::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Intro::Command3_Click);
}

void Intro::Command1_Click()
{
    Hide();
    m_forms.form(FormId::Forhold).Show();
}

void Intro::Manual_Click()
{
    // The viewer runs on its own; the menu speaks up only when none could show the manual.
    const QString manual = m_forms.paths().manual;
    if (!QFileInfo(manual).isFile()) {
        runtime().message(MessageIcon::Stop, kProgramTitle,
                          QStringLiteral("The manual could not be found. It belongs in %1.").arg(manual));
        return;
    }
    runtime().startProgram(QStringLiteral("xdg-open"), {manual},
                           QStringLiteral("No viewer could show the manual. It is the file %1; "
                                          "please open it with a web browser.").arg(manual));
}

void Intro::Command2_Click()
{
    runtime().end();
}

void Intro::Command3_Click()
{
    Hide();
    m_forms.form(FormId::About).Show();
}

} // namespace kavro
