// The choice of waterway kind.
#include "menu/waterway_choice.h"

#include "forms/client_placement.h"
#include "forms/font_faces.h"
#include "forms/forms.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>

namespace kavro {

namespace {

constexpr double kButtonWidth = 1095;
constexpr double kButtonHeight = 375;

} // namespace

Forhold::Forhold(Forms &forms)
    : Form(forms.runtime(), QStringLiteral("Forhold"), QStringLiteral("SELECT CONDITIONS"))
    , m_forms(forms)
{
    setClientSizeTwips(6885, 6180);

    Image1 = new QSvgWidget(QStringLiteral(":/conditions.svg"), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    placeInClient(*this, Image1, 120, 165, 3450, 5850);

    Frame3 = new QFrame(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setFrameShape(QFrame::VLine);
    Frame3->setFrameShadow(QFrame::Sunken);
    placeInClient(*this, Frame3, 3660, 120, 60, 5940);

    Label1 = new QLabel(QStringLiteral("SELECT CONDITION"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(designedFont(QStringLiteral("Times New Roman"), 12, true));
    Label1->setAlignment(Qt::AlignCenter);
    placeInClient(*this, Label1, 3810, 720, 2955, 375);

    // One parent makes the three options one group: choosing one clears the others.
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    placeInClient(*this, Frame1, 3930, 1440, 2715, 2520);
    Option1 = new QRadioButton(QStringLiteral("Depth-restricted "), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("Canal "), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option3 = new QRadioButton(QStringLiteral("Channel "), Frame1);
    Option3->setObjectName(QStringLiteral("Option3"));
    placeInClient(*this, Option1, 4290, 1800, 2160, 375);
    placeInClient(*this, Option2, 4290, 2520, 2160, 375);
    placeInClient(*this, Option3, 4290, 3240, 2160, 375);

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    placeInClient(*this, Frame2, 3930, 4800, 2715, 855);
    Command2 = new QPushButton(QStringLiteral("&Cancel"), Frame2);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("&OK"), Frame2);
    Command1->setObjectName(QStringLiteral("Command1"));
    placeInClient(*this, Command2, 4080, 5040, kButtonWidth, kButtonHeight);
    placeInClient(*this, Command1, 5400, 5040, kButtonWidth, kButtonHeight);
    Command1->setEnabled(false);

    setTabChain({Option1, Option2, Option3, Command1, Command2});
    setDefaultButton(Command1);
    setCancelButton(Command2);
    setCloseBoxButton(Command2);
    Option1->setFocus();
    connectSignals();
}

void Forhold::connectSignals()
{
    connect(Option1, &QRadioButton::clicked, this, &Forhold::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Forhold::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Forhold::Option3_Click);
    connect(Command1, &QPushButton::clicked, this, &Forhold::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Forhold::Command2_Click);
}

void Forhold::Option1_Click()
{
    Command1->setEnabled(true);
}

void Forhold::Option2_Click()
{
    Command1->setEnabled(true);
}

void Forhold::Option3_Click()
{
    Command1->setEnabled(true);
}

void Forhold::Command1_Click()
{
    WaterwayKind kind = WaterwayKind::Channel;
    if (Option1->isChecked())
        kind = WaterwayKind::DepthRestricted;
    else if (Option2->isChecked())
        kind = WaterwayKind::Canal;
    Hide();
    m_forms.form(inputPageOf(kind)).Show();
}

void Forhold::Command2_Click()
{
    Hide();
    m_forms.form(FormId::Intro).Show();
}

} // namespace kavro
