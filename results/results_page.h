// A results page: the input echo, the main results and the kavro graph of the active case,
// redone from scratch every time the page becomes the active window.
#pragma once

#include "compute/kavro_computation.h"
#include "core/waterway_kind.h"
#include "forms/drawing_surface.h"
#include "forms/form.h"
#include "results/results_design.h"
#include "results/value_box.h"

#include <QList>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kavro {

class Forms;
struct GraphOutputs;
struct ResultTexts;

class ResultsPage : public Form
{
    Q_OBJECT
public:
    ResultsPage(Forms &forms, WaterwayKind kind);

    void Form_Activate() override;

    const ResultsDesign &design() const { return m_design; }
    // The page's persistent image, painted under its controls.
    DrawingSurface &surface() { return m_surface; }
    const DrawingSurface &surface() const { return m_surface; }
    // The echo boxes in the order of their lines.
    const QList<QLineEdit *> &echoBoxes() const { return m_echoBoxes; }
    QGroupBox *mainResultsFrame() const { return m_design.mainResultsIsFrame3 ? Frame3 : Frame2; }
    QGroupBox *buttonBox() const { return m_design.mainResultsIsFrame3 ? Frame2 : Frame3; }

    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QLineEdit *text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *text6 = nullptr;
    QLineEdit *Text7 = nullptr;
    QLineEdit *Text9 = nullptr;  // canal and channel pages only
    QLineEdit *Text10 = nullptr; // channel page only
    QLabel *MaxShipSpeedPrompt = nullptr;
    QLabel *MaxKavroPrompt = nullptr;
    QLabel *MaxKavroOccurPrompt = nullptr;
    QLineEdit *MaxDraughtPrompt = nullptr;
    ValueBox *MaxShipSpeed = nullptr;
    ValueBox *MaxKavro = nullptr;
    ValueBox *MaxKavroOccur = nullptr;
    ValueBox *MaxDraught = nullptr;
    QPushButton *Command1 = nullptr; // Print
    QPushButton *Command2 = nullptr; // New Calculation
    QPushButton *Command3 = nullptr; // Exit
    QPushButton *Command4 = nullptr; // Validity

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createFrames();
    void createEcho();
    void createResults();
    void createButtons();
    void connectSignals();

    void writeEcho();
    void writeResults(const ResultTexts &texts);
    void writeNoResultLine(NoResult why);
    GraphOutputs drawGraph(const Kavro &kavro);
    // The controls the re-layout moves, in its order, the input frame first.
    QList<QWidget *> movingPanels() const;

    Forms &m_forms;
    const ResultsDesign &m_design;
    DrawingSurface m_surface;
    QList<QLineEdit *> m_echoBoxes;
};

} // namespace kavro
