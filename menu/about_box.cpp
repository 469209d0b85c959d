// The about box.
#include "menu/about_box.h"

#include "forms/client_placement.h"
#include "forms/font_faces.h"
#include "forms/forms.h"

#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QTextBrowser>

namespace kavro {

namespace {

QString aboutText()
{
    QFile file(QStringLiteral(":/about.html"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

Form2::Form2(Forms &forms)
    : Form(forms.runtime(), QStringLiteral("Form2"), QStringLiteral("ABOUT: Zev Kavro v.2000"))
    , m_forms(forms)
{
    setClientSizeTwips(6765, 6465);

    Frame1 = new QGroupBox(QStringLiteral("Zev Kavro"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    placeInClient(*this, Frame1, 120, 120, 6525, 4200);
    Document1 = new QTextBrowser(Frame1);
    Document1->setObjectName(QStringLiteral("Document1"));
    Document1->setHtml(aboutText());
    placeInClient(*this, Document1, 240, 420, 6285, 3540);
    Line1 = new QFrame(Frame1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    placeInClient(*this, Line1, 240, 4080, 6285, 60);

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    placeInClient(*this, Frame2, 120, 4440, 4455, 1905);
    const QList<std::pair<QSvgWidget **, QString>> pictures{
        {&Image2, QStringLiteral("Image2")}, {&Image3, QStringLiteral("Image3")},
        {&Image4, QStringLiteral("Image4")}, {&Image5, QStringLiteral("Image5")}};
    double left = 300;
    int number = 1;
    for (const auto &[member, name] : pictures) {
        *member = new QSvgWidget(QStringLiteral(":/maker%1.svg").arg(number++), Frame2);
        (*member)->setObjectName(name);
        placeInClient(*this, *member, left, 4680, 900, 900);
        left += 1080;
    }
    Label1 = new QLabel(QStringLiteral("Made by the Kavro developers"), Frame2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    placeInClient(*this, Label1, 240, 5760, 4215, 375);

    Frame3 = new QGroupBox(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    placeInClient(*this, Frame3, 4695, 5520, 1950, 825);
    Command1 = new QPushButton(QStringLiteral("OK"), Frame3);
    Command1->setObjectName(QStringLiteral("Command1"));
    placeInClient(*this, Command1, 5062, 5745, 1215, 375);
    setCloseBoxButton(Command1);
    Command1->setFocus();
    connectSignals();
}

void Form2::connectSignals()
{
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::Command1_Click()
{
    Hide();
    m_forms.form(FormId::Intro).Show();
}

} // namespace kavro
