// The database page of one waterway kind.
#include "archive/database_page.h"

#include "archive/database_design.h"
#include "archive/stored_text.h"
#include "core/case_fields.h"
#include "forms/client_placement.h"
#include "forms/font_faces.h"
#include "forms/form_runtime.h"
#include "forms/forms.h"
#include "input/check_messages.h"
#include "input/check_steps.h"
#include "input/condition_page.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>

namespace kavro {

namespace {

// Layout in twips from the client area. The button column sits at the right edge, the frames
// fill the width left of it, the grid runs below them and the data control's strip along the
// bottom edge.
constexpr double kMargin = 120;
constexpr double kGap = 60;
constexpr double kBoxHeight = 285;
constexpr double kRowPitch = 345;
constexpr double kCommandWidth = 1215;
constexpr double kCommandHeight = 375;
constexpr double kCommandPitch = 420;
constexpr double kValueBoxWidth = 780;
constexpr double kStripHeight = 375;

constexpr double kGeneralTop = 60;
constexpr double kGeneralHeight = 1065;
constexpr double kGeneralBoxLeft = 1140;
constexpr double kDateBoxWidth = 1335;
constexpr double kAuthorLabelLeft = 2640;
constexpr double kAuthorBoxLeft = 3720;

constexpr double kDataTop = 1200;
constexpr double kShipWidth = 3960;
constexpr double kShipHeight = 2415;
constexpr double kWaterwayLeft = kMargin + kShipWidth + kMargin;
constexpr double kFrameHeadroom = 300;
constexpr double kFramesBottom = kDataTop + kShipHeight;
constexpr double kFirstRow = kDataTop + kFrameHeadroom;
constexpr double kGridTop = kFramesBottom + kMargin;

const QString kRetrieveRefused = QStringLiteral("Cannot use retrieve on record with data.");

// Update and Close check the page's record with the input check's record steps and their messages.
const checksteps::RecordMessages kRecordMessages{QStringLiteral("A value is required in the Date field."),
                                                 QStringLiteral("A text is required in the Area field."),
                                                 QStringLiteral("A text is required in the Author field.")};

const CheckPlan &updatePlan()
{
    static const CheckPlan plan(checksteps::recordChecks(kRecordMessages));
    return plan;
}

// Close asks for a place and an author but not for a date.
const CheckPlan &closePlan()
{
    static const CheckPlan plan(checksteps::recordChecks(kRecordMessages).mid(1));
    return plan;
}

QFont frameFont() { return designedFont(QStringLiteral("Arial"), 9.75, true); }

// Qt also moves the focus out of a box when its window stops being the active one (a message box,
// the confirmation, another window), and back in when the window is active again.
bool isActivationChange(const QFocusEvent &event)
{
    return event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason;
}

} // namespace

DatabasePage::DatabasePage(Forms &forms, WaterwayKind kind)
    : Form(forms.runtime(), databaseDesign(kind).name, databaseDesign(kind).caption)
    , m_forms(forms)
    , m_design(databaseDesign(kind))
{
    const DatabaseDesign &design = m_design;
    setClientSizeTwips(design.clientSize.width(), design.clientSize.height());
    Data1 = new DataControl(this);
    Data1->setObjectName(QStringLiteral("Data1"));
    placeTwips(Data1, 0, design.clientSize.height() - kStripHeight, design.clientSize.width(), kStripHeight);

    createGeneralFrame();
    createValueFrames();
    createOtherFrame();
    createButtons();
    createGrid();
    setFocusOrder();
    connectSignals();
    bindData();
}

WaterwayKind DatabasePage::kind() const
{
    return m_design.kind;
}

DatabasePage::~DatabasePage()
{
    restorePointer();
}

QWidget *DatabasePage::createFrame(const QString &name, const QString &caption, const QRectF &place)
{
    // The frame's caption straddles its top line, as the designed frames draw it.
    auto *frame = new QWidget(this);
    frame->setObjectName(name);
    frame->setAccessibleName(caption);
    placeInClient(*this, frame, place.left(), place.top(), place.width(), place.height());

    const QFontMetrics metrics(frameFont());
    const double height = (metrics.height() + 2) * kTwipsPerPixel;
    auto *border = new QGroupBox(frame);
    border->setFocusPolicy(Qt::NoFocus);
    placeInClient(*this, border, place.left(), place.top() + height / 2, place.width(), place.height() - height / 2);

    auto *heading = new QLabel(caption, frame);
    heading->setObjectName(name + QStringLiteral("Caption"));
    heading->setFont(frameFont());
    heading->setAutoFillBackground(true);
    heading->setAlignment(Qt::AlignCenter);
    const double width = (metrics.horizontalAdvance(caption) + 8) * kTwipsPerPixel;
    placeInClient(*this, heading, place.left() + kMargin, place.top(), width, height);
    return frame;
}

void DatabasePage::createGeneralFrame()
{
    const double right = m_design.clientSize.width() - 2 * kMargin - kCommandWidth;
    QWidget *frame = createFrame(QStringLiteral("Frame1"), QStringLiteral("GENERAL INFORMATION"),
                                 QRectF(kMargin, kGeneralTop, right - kMargin, kGeneralHeight));
    const double row1 = kGeneralTop + 300;
    const double row2 = row1 + 360;
    const double boxRight = right - kMargin;

    auto label = [&](const QString &name, const QString &text, double left, double top, double boxLeft) {
        auto *l = new QLabel(text, frame);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        placeInClient(*this, l, left, top, boxLeft - kGap - left, kBoxHeight);
    };
    auto box = [&](const QString &column, double left, double top, double width) {
        auto *b = new QLineEdit(frame);
        b->setObjectName(column);
        placeInClient(*this, b, left, top, width, kBoxHeight);
        return b;
    };

    // Location first, so that the eye reads the boxes in the order Tab visits them.
    label(QStringLiteral("LabelPlace"), QStringLiteral("Location"), 2 * kMargin, row1, kGeneralBoxLeft);
    Place = box(QStringLiteral("Place"), kGeneralBoxLeft, row1, boxRight - kGeneralBoxLeft);
    Place->setValidator(new StoredTextValidator(50, Place));
    Place->installEventFilter(this);
    label(QStringLiteral("LabelDate"), m_design.dateLabel, 2 * kMargin, row2, kGeneralBoxLeft);
    Date = box(QStringLiteral("Date"), kGeneralBoxLeft, row2, kDateBoxWidth);
    Date->setEnabled(false);
    label(QStringLiteral("LabelAuthor"), QStringLiteral("Responsible"), kAuthorLabelLeft, row2, kAuthorBoxLeft);
    Author = box(QStringLiteral("Author"), kAuthorBoxLeft, row2, boxRight - kAuthorBoxLeft);
    Author->setValidator(new StoredTextValidator(30, Author));
    Teller = box(QStringLiteral("Teller"), kGeneralBoxLeft, row2, kDateBoxWidth);
    Teller->setVisible(false);
}

double DatabasePage::waterwayHeight() const
{
    // Just tall enough for the page's waterway boxes; the frame of other information takes the rest.
    return kFrameHeadroom + double(m_design.waterwayLabels.size()) * kRowPitch + kGap;
}

void DatabasePage::createValueFrames()
{
    const double right = m_design.clientSize.width() - 2 * kMargin - kCommandWidth;
    QWidget *shipFrame = createFrame(QStringLiteral("Frame2"), QStringLiteral("SHIP DATA"),
                                     QRectF(kMargin, kDataTop, kShipWidth, kShipHeight));
    QWidget *waterwayFrame = createFrame(QStringLiteral("Frame3"), QStringLiteral("GEOGRAPHICAL DATA"),
                                         QRectF(kWaterwayLeft, kDataTop, right - kWaterwayLeft, waterwayHeight()));
    // The waterway frame's own caption is covered by a heading of another name at its place.
    auto *cover = new QLabel(QStringLiteral("TOPOGRAPHICAL DATA"), waterwayFrame);
    cover->setObjectName(QStringLiteral("Label3"));
    cover->setFont(frameFont());
    cover->setAutoFillBackground(true);
    cover->setAlignment(Qt::AlignCenter);
    const QFontMetrics metrics(frameFont());
    placeInClient(*this, cover, kWaterwayLeft + kMargin, kDataTop,
                  (metrics.horizontalAdvance(cover->text()) + 8) * kTwipsPerPixel, (metrics.height() + 2) * kTwipsPerPixel);

    int shipRow = 0;
    int waterwayRow = 0;
    for (const CaseFieldSpec &spec : caseFieldsOf(m_design.kind)) {
        const bool onWaterway = m_design.waterwayLabels.count(spec.field) > 0;
        QWidget *frame = onWaterway ? waterwayFrame : shipFrame;
        const QRectF place = geometryTwips(frame);
        const double top = kFirstRow + (onWaterway ? waterwayRow++ : shipRow++) * kRowPitch;
        const double boxLeft = place.right() - kMargin - kValueBoxWidth;

        auto *label = new QLabel(valueLabel(m_design, spec.field), frame);
        label->setObjectName(QStringLiteral("Label") + spec.name);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        placeInClient(*this, label, place.left() + kMargin, top, boxLeft - kGap - place.left() - kMargin, kBoxHeight);

        auto *box = new QLineEdit(frame);
        box->setObjectName(spec.name);
        placeInClient(*this, box, boxLeft, top, kValueBoxWidth, kBoxHeight);
        m_valueBoxes.insert(spec.name, box);
    }
}

void DatabasePage::createOtherFrame()
{
    const double right = m_design.clientSize.width() - 2 * kMargin - kCommandWidth;
    const double top = kDataTop + waterwayHeight() + kGap;
    const QRectF place(kWaterwayLeft, top, right - kWaterwayLeft, kFramesBottom - top);
    QWidget *frame = createFrame(QStringLiteral("Frame4"), QStringLiteral("OTHER INFORMATION"), place);
    Other = new QPlainTextEdit(frame);
    Other->setObjectName(QStringLiteral("Other"));
    Other->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the box for the buttons, as in every other box of the page.
    Other->setTabChangesFocus(true);
    placeInClient(*this, Other, place.left() + kMargin, place.top() + kFrameHeadroom, place.width() - 2 * kMargin,
                  place.height() - kFrameHeadroom - kMargin);
}

void DatabasePage::createButtons()
{
    const double left = m_design.clientSize.width() - kMargin - kCommandWidth;
    auto button = [&](const QString &name, const QString &caption, double top) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        placeTwips(b, left, top, kCommandWidth, kCommandHeight);
        return b;
    };
    cmdAdd = button(QStringLiteral("cmdAdd"), QStringLiteral("&Add"), kGeneralTop);
    RetrieveButton = button(m_design.retrieveName, QStringLiteral("&Retrieve"), kGeneralTop + kCommandPitch);
    cmdUpdate = button(QStringLiteral("cmdUpdate"), QStringLiteral("&Update"), kGeneralTop + 2 * kCommandPitch);
    cmdDelete = button(QStringLiteral("cmdDelete"), QStringLiteral("&Delete"), kGeneralTop + 3 * kCommandPitch);
    cmdRefresh = button(QStringLiteral("cmdRefresh"), QStringLiteral("&Refresh"), kGeneralTop + 4 * kCommandPitch);
    cmdRefresh->setVisible(false);
    CloseButton = button(m_design.closeName, QStringLiteral("Close"), kFramesBottom - kCommandHeight - kCommandPitch);
    OKButton = button(m_design.okName, QStringLiteral("OK"), kFramesBottom - kCommandHeight);
    // Closing the page by its title bar runs Close's checks, so an incomplete case is not left behind.
    setCloseBoxButton(CloseButton);
    if (m_design.okIsDefault)
        setDefaultButton(OKButton);
}

void DatabasePage::createGrid()
{
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    // Tab leaves the grid for the Place box instead of walking its cells.
    DBGrid1->setTabKeyNavigation(false);
    const double width = m_design.clientSize.width();
    const double bottom = m_design.clientSize.height() - kStripHeight - kGap;
    placeTwips(DBGrid1, kMargin, kGridTop, width - 2 * kMargin, bottom - kGridTop);
}

void DatabasePage::bindData()
{
    Data1->setDatabaseName(m_forms.paths().database);
    Data1->setRecordSource(m_design.table);
    for (QLineEdit *box : {Teller, Date, Place, Author})
        Data1->bind(box, box->objectName());
    for (const CaseFieldSpec &spec : caseFieldsOf(m_design.kind))
        Data1->bind(m_valueBoxes.value(spec.name), spec.name);
    Data1->bind(Other, Other->objectName());
    Data1->bindGrid(DBGrid1, {QStringLiteral("Date"), QStringLiteral("Place"), QStringLiteral("Author")},
                    {QStringLiteral("Date"), QStringLiteral("Location"), QStringLiteral("Responsible")});
    // Location gets the room: it holds up to 50 characters, the others far fewer.
    QHeaderView *header = DBGrid1->horizontalHeader();
    header->resizeSection(0, header->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 24);
    header->resizeSection(2, header->fontMetrics().horizontalAdvance(QStringLiteral("Captain N.N")) * 2);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    Data1->open();
}

void DatabasePage::setFocusOrder()
{
    QList<QWidget *> order{Date, Place, Author};
    for (const CaseFieldSpec &spec : caseFieldsOf(m_design.kind))
        order << m_valueBoxes.value(spec.name);
    order << Other << cmdAdd << RetrieveButton << cmdUpdate << cmdDelete << CloseButton << OKButton << DBGrid1;
    setTabChain(order);
    Place->setFocus();
}

void DatabasePage::connectSignals()
{
    connect(cmdAdd, &QPushButton::clicked, this, &DatabasePage::cmdAdd_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &DatabasePage::cmdUpdate_Click);
    connect(CloseButton, &QPushButton::clicked, this, &DatabasePage::Close_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &DatabasePage::cmdDelete_Click);
    connect(cmdRefresh, &QPushButton::clicked, this, &DatabasePage::cmdRefresh_Click);
    connect(RetrieveButton, &QPushButton::clicked, this, &DatabasePage::Retrieve_Click);
    connect(OKButton, &QPushButton::clicked, this, &DatabasePage::OK_Click);
    connect(Data1, &DataControl::Reposition, this, &DatabasePage::Data1_Reposition);
    connect(Data1, &DataControl::Validate, this, &DatabasePage::Data1_Validate);
    connect(Data1, &DataControl::Error, this, &DatabasePage::Data1_Error);
    connect(Data1, &DataControl::ActionEnded, this, &DatabasePage::Data1_ActionEnded);
}

void DatabasePage::focusPlace()
{
    const bool hadFocus = Place->hasFocus();
    Place->setFocus(Qt::OtherFocusReason);
    // Qt raises no focus event for a box that already has the focus or whose window is not the
    // active one; the program putting the focus there counts all the same.
    if (hadFocus || !Place->hasFocus())
        txtField2_GotFocus();
}

bool DatabasePage::startDefaultRecord()
{
    // A page whose table could not be opened has reported it once; it adds nothing.
    if (!Data1->isOpen())
        return false;
    // When the record being left could not be saved, it stays current with the user's edits,
    // which the defaults must not overwrite.
    if (!Data1->addNew())
        return false;
    Place->setText(m_design.defaultPlace);
    Author->setText(kDefaultAuthor);
    return true;
}

void DatabasePage::cmdAdd_Click()
{
    if (startDefaultRecord())
        focusPlace();
}

void DatabasePage::txtField2_GotFocus()
{
    if (Date->text().isEmpty() && startDefaultRecord())
        saveAndStay();
}

void DatabasePage::cmdUpdate_Click()
{
    // The checks look at the boxes, which an open grid cell must have reached first.
    Data1->commitCellEdit();
    if (passes(updatePlan()))
        saveAndStay();
}

void DatabasePage::saveAndStay()
{
    // A refused save has been reported through Data1_Error and keeps the edits in the boxes.
    if (Data1->updateRecord())
        Data1->setBookmark(Data1->lastModified());
}

void DatabasePage::Close_Click()
{
    Data1->commitCellEdit();
    // A page whose table could not be opened has no record to complete: it just goes.
    if (Data1->isOpen() && !passes(closePlan()))
        return;
    Hide();
}

void DatabasePage::cmdDelete_Click()
{
    Data1->commitCellEdit();
    if (Date->text().isEmpty())
        return;
    m_forms.form(deleteConfirmationOf(m_design.kind)).Show();
}

void DatabasePage::cmdRefresh_Click()
{
    Data1->refresh();
}

void DatabasePage::Retrieve_Click()
{
    Data1->commitCellEdit();
    const QList<CaseFieldSpec> &fields = caseFieldsOf(m_design.kind);
    for (const CaseFieldSpec &spec : fields) {
        if (!m_valueBoxes.value(spec.name)->text().isEmpty()) {
            runtime().message(MessageIcon::Stop, QStringLiteral(" "), kRetrieveRefused);
            return;
        }
    }
    const auto &input = m_forms.as<ConditionPage>(inputPageOf(m_design.kind));
    for (const CaseFieldSpec &spec : fields)
        m_valueBoxes.value(spec.name)->setText(input.fieldText(spec.name));
}

void DatabasePage::OK_Click()
{
    Data1->commitCellEdit();
    if (!passes(databasePagePlan(m_design.kind)))
        return;
    Hide();
    // The texts go over as they stand: the input page's own OK judges them again.
    auto &input = m_forms.as<ConditionPage>(inputPageOf(m_design.kind));
    for (const CaseFieldSpec &spec : caseFieldsOf(m_design.kind))
        input.setFieldText(spec.name, m_valueBoxes.value(spec.name)->text());
}

FieldTexts DatabasePage::boxTexts() const
{
    FieldTexts texts{{kDateBox, Date->text()}, {kPlaceBox, Place->text()}, {kAuthorBox, Author->text()}};
    for (auto it = m_valueBoxes.cbegin(); it != m_valueBoxes.cend(); ++it)
        texts.insert(it.key(), it.value()->text());
    return texts;
}

bool DatabasePage::passes(const CheckPlan &plan)
{
    return showCheck(runtime(), plan, boxTexts(), m_forms.numbers());
}

void DatabasePage::Data1_Reposition()
{
    restorePointer();
    Data1->setCaption(QStringLiteral("Record: %1").arg(Data1->absolutePosition() + 1));
}

void DatabasePage::Data1_Validate(DataAction, int *)
{
    if (m_hourglass)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_hourglass = true;
}

void DatabasePage::Data1_ActionEnded()
{
    // A failed action brings no Reposition; the hourglass must not outlive it.
    restorePointer();
}

void DatabasePage::restorePointer()
{
    if (!m_hourglass)
        return;
    QApplication::restoreOverrideCursor();
    m_hourglass = false;
}

void DatabasePage::Data1_Error(int, const QString &description, int *response)
{
    restorePointer();
    runtime().message(MessageIcon::None, kProgramTitle, QStringLiteral("Data error event hit err:") + description);
    if (response)
        *response = 0;
}

void DatabasePage::showEvent(QShowEvent *event)
{
    // The table is opened when the page is created; a table that could not be opened then (a
    // lock held for a while, a file put right since) is tried again each time the page comes back.
    // Opened at last, the page starts as on its first showing: in Place, which gives an empty
    // table its default record.
    if (!event->spontaneous() && m_shownBefore && !Data1->isOpen()) {
        Data1->refresh();
        if (Data1->isOpen())
            focusPlace();
    }
    m_shownBefore = true;
    Form::showEvent(event);
}

bool DatabasePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Place) {
        if (event->type() == QEvent::FocusIn) {
            // Coming back to the page, the box gets the focus again without being entered.
            const bool comesBack = m_placeLeftByDeactivation && isActivationChange(static_cast<QFocusEvent &>(*event));
            m_placeLeftByDeactivation = false;
            if (!comesBack)
                txtField2_GotFocus();
        } else if (event->type() == QEvent::FocusOut) {
            m_placeLeftByDeactivation = isActivationChange(static_cast<QFocusEvent &>(*event));
        }
    }
    return Form::eventFilter(watched, event);
}

} // namespace kavro
