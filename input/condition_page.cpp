// The input page of one waterway kind.
#include "input/condition_page.h"

#include "forms/client_placement.h"
#include "forms/font_faces.h"
#include "forms/forms.h"
#include "input/case_store.h"
#include "input/check_messages.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

namespace kavro {

namespace {

constexpr double kLabelGap = 60;     // between a label's right end and its box
constexpr double kFrameInset = 120;  // between a frame's left edge and its labels

QFont frameFont() { return designedFont(QStringLiteral("Arial"), 9.75, true); }

bool isEnter(const QKeyEvent &event)
{
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
           && !(event.modifiers() & (Qt::AltModifier | Qt::ControlModifier));
}

// Qt also moves the focus out of a box when the window loses activation (a message box, another
// program); the page reacts only to the focus moving inside the window.
bool isMoveInsideWindow(const QFocusEvent &event)
{
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

} // namespace

ConditionPage::ConditionPage(Forms &forms, const ConditionDesign &design)
    : Form(forms.runtime(), design.name, design.caption)
    , m_forms(forms)
    , m_design(design)
{
    setClientSizeTwips(design.clientSize.width(), design.clientSize.height());
    // Pointer movement without a button reaches the page only when it tracks the mouse.
    setMouseTracking(true);

    createPicture();
    QWidget *shipFrame = createDataFrame(
        QStringLiteral("ShipFrame"), QStringLiteral("SHIP DATA"), QStringLiteral("SHIP DATA"),
        QRectF(kShipFrameLeft, kDataFrameTop, design.shipFrameWidth, kShipFrameHeight));
    QWidget *waterwayFrame = createDataFrame(QStringLiteral("WaterwayFrame"), QStringLiteral("GEOGRAPHICAL DATA"),
                                             QStringLiteral("TOPOGRAPHICAL DATA"), design.waterwayFrame);
    createFields(shipFrame, waterwayFrame);
    createHintLine();
    createButtons();
    setFocusOrder();
    connectSignals();
    Form_Load();
}

void ConditionPage::createPicture()
{
    auto *picture = new QSvgWidget(m_design.picture, this);
    picture->setObjectName(QStringLiteral("Picture"));
    placeInClient(*this, picture, m_design.pictureLeft, 0, kPictureWidth, kPictureHeight);
}

QWidget *ConditionPage::createDataFrame(const QString &name, const QString &caption, const QString &heading,
                                        const QRectF &place)
{
    // The data frames take no input, and pointer movement over them (and over their labels)
    // counts as movement over the page itself. Disabling them would grey their labels, so they
    // stay enabled and let the mouse through instead.
    auto *frame = new QWidget(this);
    frame->setObjectName(name);
    frame->setAccessibleName(caption);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeInClient(*this, frame, place.left(), place.top(), place.width(), place.height());

    // A frame's caption straddles its top line: the etched line runs through the middle of the
    // heading, which covers it at its place. A group box would draw it under its title instead.
    const QFontMetrics metrics(frameFont());
    const double width = (metrics.horizontalAdvance(heading) + 12) * kTwipsPerPixel;
    const double height = (metrics.height() + 2) * kTwipsPerPixel;
    auto *border = new QFrame(frame);
    border->setObjectName(name + QStringLiteral("Border"));
    border->setFrameStyle(QFrame::Box | QFrame::Sunken);
    placeInClient(*this, border, place.left(), place.top() + height / 2, place.width(), place.height() - height / 2);

    auto *label = new QLabel(heading, frame);
    label->setObjectName(name + QStringLiteral("Heading"));
    label->setFont(frameFont());
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    placeInClient(*this, label, place.left() + (place.width() - width) / 2, place.top(), width, height);
    return frame;
}

QLineEdit *&ConditionPage::member(CaseField field)
{
    switch (field) {
    case CaseField::DraughtAft: return TA;
    case CaseField::DraughtFore: return TF;
    case CaseField::Breadth: return B2;
    case CaseField::BlockCoefficient: return CB;
    case CaseField::ServiceSpeed: return SS;
    case CaseField::MinUkc: return K;
    case CaseField::WaterwayWidth: return W;
    case CaseField::WaterDepth: return H;
    case CaseField::NaturalDepth: break;
    }
    return HB;
}

void ConditionPage::createFields(QWidget *shipFrame, QWidget *waterwayFrame)
{
    for (const CaseFieldSpec &spec : caseFieldsOf(m_design.kind)) {
        const FieldDesign *placed = m_design.fieldDesign(spec.field);
        Q_ASSERT_X(placed, "ConditionPage", qPrintable(spec.name));
        const FieldDesign &design = *placed;
        const bool onWaterway = design.left >= m_design.waterwayFrame.left();
        QWidget *frame = onWaterway ? waterwayFrame : shipFrame;
        const double labelLeft = (onWaterway ? m_design.waterwayFrame.left() : kShipFrameLeft) + kFrameInset;

        auto *label = new QLabel(design.label, frame);
        label->setObjectName(QStringLiteral("Label") + spec.name);
        label->setFont(defaultPageFont());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        placeInClient(*this, label, labelLeft, design.top, design.left - kLabelGap - labelLeft, kFieldHeight);

        // The boxes lie on the page, over the frames.
        auto *box = new QLineEdit(this);
        box->setObjectName(spec.name);
        placeInClient(*this, box, design.left, design.top, kFieldWidth, kFieldHeight);
        box->installEventFilter(this);
        m_fields.insert(spec.name, box);
        m_fieldNames << spec.name;
        member(spec.field) = box;
    }
    // The hint follows the pointer over these two without a button pressed.
    K->setMouseTracking(true);
    CB->setMouseTracking(true);
}

void ConditionPage::createHintLine()
{
    Infotekst = new QLabel(this);
    Infotekst->setObjectName(QStringLiteral("Infotekst"));
    Infotekst->setWordWrap(true);
    Infotekst->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QRectF &place = m_design.hintLine;
    placeInClient(*this, Infotekst, place.left(), place.top(), place.width(), place.height());
}

void ConditionPage::createButtons()
{
    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("ButtonFrame"));
    frame->setFocusPolicy(Qt::NoFocus);
    const QRectF &place = m_design.buttonFrame;
    placeInClient(*this, frame, place.left(), place.top(), place.width(), place.height());

    Command1 = new QPushButton(QStringLiteral("Data Base"), frame);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&Cancel"), frame);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3 = new QPushButton(QStringLiteral("&OK"), frame);
    Command3->setObjectName(QStringLiteral("Command3"));
    placeInClient(*this, Command2, m_design.cancelLeft, kButtonTop, kButtonWidth, kButtonHeight);
    placeInClient(*this, Command1, m_design.dataBaseLeft, kButtonTop, kButtonWidth, kButtonHeight);
    placeInClient(*this, Command3, m_design.okLeft, kButtonTop, kButtonWidth, kButtonHeight);
    // Enter in a box moves on; no button takes it for the page.
    setCancelButton(Command2);
    setCloseBoxButton(Command2);
}

void ConditionPage::setFocusOrder()
{
    QList<QWidget *> order;
    for (const QString &name : m_fieldNames)
        order << m_fields.value(name);
    order << Command3 << Command2 << Command1;
    setTabChain(order);
    TA->setFocus();
}

void ConditionPage::connectSignals()
{
    connect(Command1, &QPushButton::clicked, this, &ConditionPage::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ConditionPage::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ConditionPage::Command3_Click);
}

QString ConditionPage::fieldText(const QString &name) const
{
    const QLineEdit *box = m_fields.value(name);
    return box ? box->text() : QString();
}

void ConditionPage::setFieldText(const QString &name, const QString &text)
{
    if (QLineEdit *box = m_fields.value(name))
        box->setText(text);
}

FieldTexts ConditionPage::fieldTexts() const
{
    FieldTexts texts;
    for (const QString &name : m_fieldNames)
        texts.insert(name, fieldText(name));
    return texts;
}

void ConditionPage::Form_Load()
{
    HintShown = false;
    Infotekst->clear();
}

void ConditionPage::Command1_Click()
{
    m_forms.form(databasePageOf(m_design.kind)).Show();
}

void ConditionPage::Command2_Click()
{
    Hide();
    m_forms.form(FormId::Forhold).Show();
}

void ConditionPage::Command3_Click()
{
    const FieldTexts texts = fieldTexts();
    if (!showCheck(runtime(), inputPagePlan(m_design.kind), texts, m_forms.numbers()))
        return;
    storeCase(m_design.kind, texts, m_forms.numbers(), m_forms.activeCase());
    if (m_design.hidesForResults)
        Hide();
    m_forms.form(resultsPageOf(m_design.kind)).Show();
}

void ConditionPage::Field_KeyPress(CaseField field)
{
    if (m_design.clearsOnEnter.contains(field))
        Infotekst->clear();
    runtime().sendKeys(QStringLiteral("{tab}"));
}

void ConditionPage::Field_LostFocus(CaseField field)
{
    if (m_design.clearsOnLostFocus.contains(field))
        Infotekst->clear();
}

void ConditionPage::K_GotFocus()
{
    Infotekst->setText(kHintText);
}

void ConditionPage::K_MouseMove()
{
    if (HintShown)
        return;
    Infotekst->setText(kHintText);
    HintShown = true;
}

void ConditionPage::CB_MouseMove()
{
    HintShown = true;
}

void ConditionPage::Form_MouseMove()
{
    if (!HintShown)
        return;
    Infotekst->clear();
    HintShown = false;
}

bool ConditionPage::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(watched);
    const std::optional<CaseField> field = box ? caseFieldNamed(box->objectName()) : std::nullopt;
    if (!field || box->window() != this)
        return Form::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        // Enter is left to the box afterwards, which inserts nothing for it.
        if (isEnter(static_cast<QKeyEvent &>(*event)))
            Field_KeyPress(*field);
        break;
    case QEvent::FocusIn:
        if (box == K && isMoveInsideWindow(static_cast<QFocusEvent &>(*event)))
            K_GotFocus();
        break;
    case QEvent::FocusOut:
        if (isMoveInsideWindow(static_cast<QFocusEvent &>(*event)))
            Field_LostFocus(*field);
        break;
    case QEvent::MouseMove:
        if (box == K)
            K_MouseMove();
        else if (box == CB)
            CB_MouseMove();
        break;
    default:
        break;
    }
    return Form::eventFilter(watched, event);
}

void ConditionPage::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove();
    Form::mouseMoveEvent(event);
}

} // namespace kavro
