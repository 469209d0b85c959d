// A results page of one waterway kind.
#include "results/results_page.h"

#include "forms/font_faces.h"
#include "forms/forms.h"
#include "results/input_echo.h"
#include "results/kavro_graph.h"
#include "results/panel_layout.h"
#include "results/result_texts.h"
#include "results/value_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <cmath>
#include <utility>

namespace kavro {

namespace {

// Every activation gives the page this outer size, whatever size the user gave it.
constexpr double kOuterWidthTwips = 11450;
constexpr double kOuterHeightTwips = 8400;

// Where a page without a result writes its line, in pixels from the top left.
constexpr double kNoResultMargin = 16;

const QColor kLightGrey(192, 192, 192);
const QColor kRed(255, 0, 0);

// Rows of the main results: prompt and value box share a row; the first row is taller.
constexpr double kRowOffsets[] = {0, 360, 600, 840};
constexpr double kValueHeights[] = {375, 285, 285, 255};
constexpr double kValueWidth = 1095;
constexpr double kPromptLeft = 120;
constexpr double kPromptTop = 240;
constexpr double kPromptWidths[] = {3495, 3255, 3015};
constexpr double kPromptHeight = 255;

QSize twipsToPixels(double width, double height)
{
    return QSize(int(std::lround(width / kTwipsPerPixel)), int(std::lround(height / kTwipsPerPixel)));
}

void paintBackground(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
}

// A box the page writes and nobody types into: no border, no focus, the frame's grey behind it.
QLineEdit *displayBox(QWidget *parent, const QString &name, const QString &text, const QFont &font,
                      const QColor &colour = Qt::black)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setFrame(false);
    // Text stands at the top of its box, so boxes of different heights keep an even pitch.
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setFont(font);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    paintBackground(box, kLightGrey, colour);
    // Inside a frame the frame's style sheet would otherwise give the box a white ground.
    box->setStyleSheet(QStringLiteral("QLineEdit { background-color: rgb(192, 192, 192); color: %1; border: none; }")
                           .arg(colour.name()));
    return box;
}

ValueBox *valueBox(QWidget *parent, const QString &name, const QString &text, const QFont &font,
                 const QColor &colour = Qt::black)
{
    auto *box = new ValueBox(text, parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setAutoFillBackground(true);
    paintBackground(box, kLightGrey, colour);
    return box;
}

QLabel *prompt(QWidget *parent, const QString &name, const QString &text, const QFont &font,
               const QColor &colour = Qt::black)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    paintBackground(label, kLightGrey, colour);
    return label;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setFont(designedFont(QStringLiteral("Arial"), 9.75, true));
    paintBackground(box, kLightGrey, Qt::black);
    // A plain line with the caption set into it, at half the caption's height.
    box->setStyleSheet(QStringLiteral(
        "QGroupBox { background-color: rgb(192, 192, 192); border: 1px solid rgb(128, 128, 128);"
        " margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
        " padding: 0px 1px; }"));
    return box;
}

// Shows a text from its start even when it is wider than its box.
void setShownText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

} // namespace

ResultsPage::ResultsPage(Forms &forms, WaterwayKind kind)
    : Form(forms.runtime(), resultsDesign(kind).name, resultsDesign(kind).caption)
    , m_forms(forms)
    , m_design(resultsDesign(kind))
    , m_surface(twipsToPixels(m_design.clientWidth, m_design.clientHeight))
{
    const QFont pageFont = designedFont(m_design.pageFace, m_design.pagePoints);
    setFont(pageFont);
    m_surface.setFont(pageFont);
    paintBackground(this, kLightGrey, Qt::black);
    setClientSizeTwips(m_design.clientWidth, m_design.clientHeight);

    // Creation order is stacking order: frames at the bottom, the controls over them on top.
    createFrames();
    createEcho();
    createResults();
    createButtons();
    connectSignals();
}

void ResultsPage::createFrames()
{
    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Input Data"));
    Frame2 = frame(this, QStringLiteral("Frame2"), QString());
    Frame3 = frame(this, QStringLiteral("Frame3"), QString());
    mainResultsFrame()->setTitle(QStringLiteral("Main Results"));
    const TwipsRect &input = m_design.inputFrame;
    placeTwips(Frame1, input.left, input.top, input.width, input.height);
    const TwipsRect &main = m_design.mainResultsFrame;
    placeTwips(mainResultsFrame(), main.left, main.top, main.width, main.height);
    const TwipsRect &buttons = m_design.buttonBox;
    placeTwips(buttonBox(), buttons.left, buttons.top, buttons.width, buttons.height);
}

void ResultsPage::createEcho()
{
    const std::pair<const char *, QLineEdit *ResultsPage::*> members[] = {
        {"text1", &ResultsPage::text1}, {"Text2", &ResultsPage::Text2}, {"Text3", &ResultsPage::Text3},
        {"Text4", &ResultsPage::Text4}, {"Text5", &ResultsPage::Text5}, {"text6", &ResultsPage::text6},
        {"Text7", &ResultsPage::Text7}, {"Text9", &ResultsPage::Text9}, {"Text10", &ResultsPage::Text10},
    };
    const QFont font = designedFont(QStringLiteral("Courier New"), 8.25);
    for (qsizetype i = 0; i < m_design.echo.size(); ++i) {
        const EchoLine &line = m_design.echo.at(i);
        QLineEdit *box = displayBox(this, line.box, QStringLiteral("0"), font, line.colour);
        const bool last = i == m_design.echo.size() - 1;
        placeTwips(box, m_design.echoLeft, m_design.echoTop + kEchoPitch * double(i), m_design.echoWidth,
                   last ? m_design.lastEchoHeight : kEchoHeight);
        for (const auto &[name, member] : members) {
            if (line.box == QLatin1String(name))
                this->*member = box;
        }
        m_echoBoxes.append(box);
    }
}

void ResultsPage::createResults()
{
    QGroupBox *main = mainResultsFrame();
    const QFont promptFont = designedFont(QStringLiteral("Times New Roman"), 9.75);
    MaxShipSpeedPrompt = prompt(main, QStringLiteral("MaxShipSpeedPrompt"),
                                QStringLiteral("Max. allowed ship (water) speed"),
                                designedFont(QStringLiteral("Times New Roman"), 12), kRed);
    MaxKavroPrompt = prompt(main, QStringLiteral("MaxKavroPrompt"), QStringLiteral("Max. kavro"), promptFont);
    MaxKavroOccurPrompt = prompt(main, QStringLiteral("MaxKavroOccurPrompt"),
                                 QStringLiteral("Max. kavro is likely to occur at"), promptFont);
    QLabel *const prompts[] = {MaxShipSpeedPrompt, MaxKavroPrompt, MaxKavroOccurPrompt};
    for (int row = 0; row < 3; ++row)
        placeTwips(prompts[row], kPromptLeft, kPromptTop + kRowOffsets[row], kPromptWidths[row], kPromptHeight);

    // The clearance prompt is a box on the page over the frame, in the fourth row.
    const TwipsRect &p = m_design.maxDraughtPrompt;
    MaxDraughtPrompt = displayBox(this, QStringLiteral("MaxDraughtPrompt"), kRemainingClearancePrompt, promptFont);
    placeTwips(MaxDraughtPrompt, p.left, p.top, p.width, p.height);

    QWidget *valueParent = m_design.valueBoxesInFrame ? static_cast<QWidget *>(main) : this;
    const QFont valueFont = designedFont(QStringLiteral("Times New Roman"), 9.75, true);
    MaxShipSpeed = valueBox(valueParent, QStringLiteral("MaxShipSpeed"), QStringLiteral(":MaxShipSpeed"),
                            designedFont(QStringLiteral("Times New Roman"), 12, true), kRed);
    MaxKavro = valueBox(valueParent, QStringLiteral("MaxKavro"), QStringLiteral(":MaxKavro"), valueFont);
    MaxKavroOccur = valueBox(valueParent, QStringLiteral("MaxKavroOccur"), QStringLiteral(":MaxKavroOccur"),
                             valueFont);
    MaxDraught = valueBox(valueParent, QStringLiteral("MaxDraught"), QStringLiteral(":MaxDraught"), valueFont);
    ValueBox *const values[] = {MaxShipSpeed, MaxKavro, MaxKavroOccur, MaxDraught};
    for (int row = 0; row < 4; ++row)
        placeTwips(values[row], m_design.valueLeft, m_design.valueTop + kRowOffsets[row], kValueWidth,
                   kValueHeights[row]);
}

void ResultsPage::createButtons()
{
    const QFont font = defaultPageFont();
    auto button = [&](const QString &name, const QString &caption, const ButtonPlace &place) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFont(font);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoDefault(false);
        placeTwips(b, place.left, m_design.buttonTop, place.width, kResultsButtonHeight);
        return b;
    };
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("&Print"), m_design.print);
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("New &Calculation"), m_design.newCalculation);
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("V&alidity"), m_design.validity);
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("E&xit"), m_design.exit);
    // Only the buttons take the focus, New Calculation first.
    setTabChain({Command2, Command1, Command3, Command4});
    Command2->setFocus();
    setCloseBoxButton(Command2);
}

void ResultsPage::connectSignals()
{
    connect(Command1, &QPushButton::clicked, this, &ResultsPage::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ResultsPage::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ResultsPage::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &ResultsPage::Command4_Click);
}

void ResultsPage::Form_Activate()
{
    // The drawing is made for the designed size, whatever size the window manager or the user
    // gives the window in between.
    m_surface.setClientSize(setOuterSizeTwips(kOuterWidthTwips, kOuterHeightTwips));
    m_surface.Cls();
    NoResult why = NoResult::OutOfRange;
    const std::optional<Kavro> kavro = computeKavro(m_design.kind, m_forms.activeCase(), m_forms.numbers(), &why);
    writeEcho();
    writeResults(resultTexts(kavro, m_forms.numbers()));
    if (!kavro)
        writeNoResultLine(why);
    // Without a result there is no curve to draw, and axes alone would suggest one.
    const GraphOutputs graph = kavro ? drawGraph(*kavro) : GraphOutputs{};
    if (graph.lastKnotKavro)
        MaxKavro->setText(metresText(*graph.lastKnotKavro, m_forms.numbers()));
    if (graph.lastKnotClearance)
        MaxDraught->setText(metresText(*graph.lastKnotClearance, m_forms.numbers()));
    // An empty graph has no caption to keep the panels under: they stay where they are.
    if (graph.drawn)
        movePanelsBelowGraph(*this, m_surface, movingPanels(), graph.captionFoot, graph.numberColumn);
    update();
}

void ResultsPage::writeEcho()
{
    const QStringList lines = inputEcho(m_design, m_forms.activeCase(), m_forms.numbers());
    for (qsizetype i = 0; i < lines.size() && i < m_echoBoxes.size(); ++i)
        setShownText(m_echoBoxes.at(i), lines.at(i));
}

void ResultsPage::writeResults(const ResultTexts &texts)
{
    MaxShipSpeed->setText(texts.MaxShipSpeed);
    MaxKavro->setText(texts.MaxKavro);
    MaxKavroOccur->setText(texts.MaxKavroOccur);
    setShownText(MaxDraughtPrompt, kRemainingClearancePrompt);
    MaxDraught->setText(texts.MaxDraught);
}

void ResultsPage::writeNoResultLine(NoResult why)
{
    // Plain black near the top left, where the graph would stand. The pen's colour belongs to the
    // graph, whose next drawing starts with what the page holds, so it is given back.
    const QString line = why == NoResult::NoWaterBeside && !m_design.narrowWidthLine.isEmpty()
                             ? m_design.narrowWidthLine
                             : kNoResultLine;
    const QColor pen = m_surface.foreColor();
    m_surface.setForeColor(Qt::black);
    m_surface.setCurrentX(m_surface.pixelsToX(kNoResultMargin));
    m_surface.setCurrentY(m_surface.pixelsToY(kNoResultMargin));
    m_surface.Print(line);
    m_surface.setForeColor(pen);
}

GraphOutputs ResultsPage::drawGraph(const Kavro &kavro)
{
    const ActiveCase &activeCase = m_forms.activeCase();
    const RegionalNumbers &numbers = m_forms.numbers();
    GraphInputs in;
    in.K = kavro.K;
    in.T = kavro.T;
    in.H = numbers.toDouble(activeCase.WaterDepth);
    in.UKCmin = numbers.toDouble(activeCase.MinUkc);
    in.SS = activeCase.ServiceSpeed;
    in.allowedSpeed = kavro.Vmax.has_value();
    return drawKavroGraph(m_surface, in, numbers);
}

QList<QWidget *> ResultsPage::movingPanels() const
{
    QList<QWidget *> panels{Frame1};
    for (QLineEdit *box : m_echoBoxes)
        panels.append(box);
    panels << Frame2 << Frame3 << Command1 << Command2 << Command3 << Command4;
    // Boxes inside the main results frame move with it and must not move twice.
    if (!m_design.valueBoxesInFrame)
        panels << MaxShipSpeed << MaxKavro << MaxKavroOccur << MaxDraught;
    panels << MaxDraughtPrompt;
    return panels;
}

void ResultsPage::Command1_Click()
{
    PrintForm();
}

void ResultsPage::Command2_Click()
{
    Hide();
    m_forms.form(inputPageOf(m_design.kind)).Show();
}

void ResultsPage::Command3_Click()
{
    runtime().end();
}

void ResultsPage::Command4_Click()
{
    m_forms.form(FormId::Validity).Show();
}

void ResultsPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage &image = m_surface.image();
    if (image.width() < width() || image.height() < height())
        painter.fillRect(rect(), m_surface.backColor());
    painter.drawImage(0, 0, image);
}

} // namespace kavro
