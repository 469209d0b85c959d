// The delete confirmation of a database page.
#include "archive/delete_confirmation.h"

#include "archive/database_design.h"
#include "archive/database_page.h"
#include "forms/forms.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace kavro {

namespace {

constexpr int kIconPixels = 32;

// The stop icon: a red disc with a white diagonal cross, drawn at the screen's pixel density.
QPixmap stopIcon(qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(kIconPixels, kIconPixels) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 0, 0), 1));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawEllipse(QRectF(1, 1, kIconPixels - 2, kIconPixels - 2));
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(10, 10), QPointF(22, 22));
    painter.drawLine(QPointF(22, 10), QPointF(10, 22));
    return pixmap;
}

} // namespace

DeleteConfirmation::DeleteConfirmation(Forms &forms, WaterwayKind kind)
    : Form(forms.runtime(), databaseDesign(kind).confirmationName, QStringLiteral("Confirm Deleting"))
    , m_forms(forms)
    , m_kind(kind)
{
    setClientSizeTwips(4605, 1095);
    // The question belongs to its page: it stays above it, and a page that hides takes it along
    // unanswered, so that nothing is deleted from a page the user has left.
    setOwner(forms.form(databasePageOf(kind)));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(stopIcon(devicePixelRatioF()));
    placeTwips(Picture1, 120, 120, kIconPixels * kTwipsPerPixel, kIconPixels * kTwipsPerPixel);

    Label1 = new QLabel(QStringLiteral("Do you really want to delete this record?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(Label1, 840, 120, 3645, 375);

    Command1 = new QPushButton(QStringLiteral("&Yes"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    placeTwips(Command1, 1080, 600, 1215, 375);
    Command2 = new QPushButton(QStringLiteral("&No"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    placeTwips(Command2, 2640, 600, 1215, 375);
    for (QPushButton *button : {Command1, Command2})
        button->setAutoDefault(false);
    // Closing the question by its title bar never deletes.
    setCloseBoxButton(Command2);
    Command1->setFocus();
    connectSignals();
}

void DeleteConfirmation::connectSignals()
{
    connect(Command1, &QPushButton::clicked, this, &DeleteConfirmation::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &DeleteConfirmation::Command2_Click);
}

void DeleteConfirmation::Command1_Click()
{
    // Acts on whatever record the page shows now: the user may have moved since Delete.
    auto &page = m_forms.as<DatabasePage>(databasePageOf(m_kind));
    if (page.Data1->deleteCurrent()) {
        page.Data1->moveFirst();
        if (page.Teller->text().isEmpty())
            runtime().message(MessageIcon::None, kProgramTitle,
                              QStringLiteral("The system does not accept to delete the last record."));
    }
    // With no record left, the Place box's default record replaces the deleted one at once.
    page.focusPlace();
    Hide();
}

void DeleteConfirmation::Command2_Click()
{
    Hide();
}

} // namespace kavro
