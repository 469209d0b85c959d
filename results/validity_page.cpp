// The validity page.
#include "results/validity_page.h"

#include "forms/font_faces.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace kavro {

QString validityText()
{
    static const char *const lines[] = {
        "The Computational Results Page shows a graphical presentation of the Ship Kavro in ",
        "metres vs. Ship (Water) Speed in knots. The Main Results outlined are the maximum ",
        "permitted ship speed for the required minimum under-keel clearance, maximum ",
        "kavro and where it is likely to occur, and remaining under-keel clearance. The input ",
        "values used for the particular calculation are also stated.",
        "",
        "The Grounding Line represents the minimum distance from the sea bottom to the ship ",
        "hull at zero speed. It will appear on the screen if the static under-keel clearance is low. ",
        "The UKC (Under-Keel Clearance) Line represents the required minimum under-keel ",
        "clearance when kavro is accounted for.",
        "",
        "The predicted results are primarily valid for a ship in calm sea on a straight-line ",
        "course over flat sea bottom or in the centre of a confined channel, with static ",
        "depth-to-draught ratios in the range 1.1 - 1.4, and with no interaction effects with other ",
        "vessels. An additional kavro can therefore occur if e.g. the static under-keel ",
        "clearance is less than 10% of the ship's draught, the ship is off the centre of the ",
        "canal/channel, the ship is in a turning motion, and especially when two ships are ",
        "passing each other as the hydrodynamic interaction effect when the amidships are in ",
        "line may cause the kavros of both vessels to be increased significantly (50 - 100%).",
        "",
        "The specified minimum under-keel clearance must account for all reasonable ",
        "uncertainties involved, e.g. interaction effects with other vessels, angular motion of roll ",
        "and pitch, variation in salinity, tide, list angle due to turning motion, etc. It is especially ",
        "emphasised that the accuracy of the calculated results can never be better than the ",
        "accuracy of the input values. The inputs of ship draught and water depth crucially ",
        "influence the computed results.",
    };
    QString text;
    for (const char *line : lines)
        text += QLatin1String(line) + QStringLiteral("\r\n");
    return text;
}

namespace {

constexpr double kBoxWidthTwips = 7575;

// The designed face is narrower than the face installed in its place; shrink the size until the
// designed lines fit the box again, so that the text breaks where it was written to break.
QFont fittingFont(const QString &text)
{
    const double available = kBoxWidthTwips / kTwipsPerPixel - 40;   // frame, margins, scroll bar
    QFont font;
    for (double points = 9.75; points >= 7.5; points -= 0.25) {
        font = designedFont(QStringLiteral("MS Sans Serif"), points);
        const QFontMetricsF metrics(font);
        double widest = 0;
        for (const QString &line : text.split(QStringLiteral("\r\n")))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= available)
            break;
    }
    return font;
}

} // namespace

ValidityPage::ValidityPage(FormRuntime &runtime)
    : Form(runtime, QStringLiteral("Form1"), QStringLiteral(" "))
    , Validity(new QPlainTextEdit(this))
{
    setClientSizeTwips(7545, 6345);
    Validity->setObjectName(QStringLiteral("Validity"));
    Validity->setFont(fittingFont(validityText()));
    // The page only explains; nobody is meant to change what it says.
    Validity->setReadOnly(true);
    Validity->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Validity->setPlainText(QString(validityText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    placeTwips(Validity, 0, 0, kBoxWidthTwips, 6375);
}

void ValidityPage::Form_Activate()
{
    Validity->moveCursor(QTextCursor::Start);
    Validity->ensureCursorVisible();
}

} // namespace kavro
