// The kavro graph: axes, ticks, grid, curve, grounding and clearance lines.
#include "results/kavro_graph.h"

#include "compute/kavro_computation.h"
#include "core/regional_numbers.h"
#include "forms/drawing_surface.h"

#include <cmath>

namespace kavro {

namespace {

constexpr int kBackgroundColour = 7;
constexpr int kAxisColour = 1;
constexpr int kGridColour = 8;
constexpr int kCurveColour = 5;
constexpr uint32_t kGroundingColourValue = 255;
constexpr int kClearanceColour = 3;
constexpr int kLeftOverColour = 0;
constexpr double kFontPoints = 8;
// How far the clearance label stands above the grounding label at most, in metres of kavro.
constexpr double kLabelGap = 0.4;

struct Geometry
{
    std::optional<int> Vcap;
    double Xmax = 0;
    int Ymax = 0;
    double X0 = 0, Y0 = 0;
};

bool allFinite(const GraphInputs &in)
{
    return std::isfinite(in.K) && std::isfinite(in.T) && std::isfinite(in.H) && std::isfinite(in.UKCmin)
        && std::isfinite(in.SS);
}

// The ranges of the graph, or nothing when they cannot be formed: the speed cap and the depth
// range are whole numbers of 16 bits, and the graph needs a positive end speed.
std::optional<Geometry> geometryFor(const GraphInputs &in)
{
    if (!allFinite(in))
        return std::nullopt;
    const double capSpeed = 1.6 * std::pow(9.81 * in.H, 0.5);
    if (!std::isfinite(capSpeed))
        return std::nullopt;
    const std::optional<int16_t> serviceWhole = RegionalNumbers::toInt16(in.SS);
    if (!serviceWhole)
        return std::nullopt;

    Geometry g;
    if (const auto cap = RegionalNumbers::toInt16(capSpeed))
        g.Vcap = *cap;
    // A cap beyond 16 bits (an absurd depth) binds nothing: the graph runs to the service speed.
    g.Xmax = g.Vcap && *g.Vcap < *serviceWhole ? double(*g.Vcap) : in.SS;
    if (!(g.Xmax > 0))
        return std::nullopt;

    const auto kavroWhole = RegionalNumbers::toInt16(in.K * std::pow(g.Xmax, 2.08));
    if (!kavroWhole || *kavroWhole >= 32767)
        return std::nullopt;
    g.Ymax = *kavroWhole + 1;
    if (g.Ymax <= 0)
        return std::nullopt;

    g.X0 = g.Xmax * (1.7 / 22);
    g.Y0 = g.Ymax * (1.7 / 12);
    return g;
}

// Prints a caption right of the graph's end, then its second line a little further right.
void printTwoLineLabel(DrawingSurface &surface, const Geometry &g, const QString &first, const QString &second)
{
    surface.setCurrentX(surface.currentX() + g.Xmax * (0.15 / 22));
    surface.Print(first);
    surface.setCurrentX(surface.currentX() + g.X0 + g.Xmax + g.Xmax * (0.45 / 22));
    surface.Print(second);
}

} // namespace

GraphOutputs drawKavroGraph(DrawingSurface &surface, const GraphInputs &in, const RegionalNumbers &numbers)
{
    GraphOutputs out;
    const DrawingSurface::Pass pass(surface);
    surface.setFontSize(kFontPoints);
    surface.setBackColor(DrawingSurface::QBColor(kBackgroundColour));

    const std::optional<Geometry> geometry = geometryFor(in);
    if (!geometry)
        return out;
    const Geometry &g = *geometry;
    const double Xmax = g.Xmax, X0 = g.X0, Y0 = g.Y0;
    const int Ymax = g.Ymax;
    out.Vcap = g.Vcap;
    out.Xmax = Xmax;
    out.Ymax = Ymax;
    out.X0 = X0;
    out.Y0 = Y0;

    if (!surface.Scale(0, 0, Xmax + Xmax * (4.5 / 22), Ymax + Ymax * (3.5 / 4)))
        return out;
    out.drawn = true;

    // Ticks and numbers keep whatever pen the previous drawing left on the page.
    for (double y = Ymax; y >= 0; y += -0.5) {
        surface.Line(X0 - Xmax * (0.25 / 22), Y0 + y, X0 + Xmax * (0.35 / 22), Y0 + y);
        surface.setCurrentY(surface.currentY() - Ymax * (0.04 / 4));
        surface.setCurrentX(X0 - Xmax * (1.0 / 22));
        out.numberColumn = surface.currentX();
        surface.PrintNumber(y, numbers);
    }
    for (double y = Ymax; y >= 0; y += -0.1)
        surface.Line(X0 - Xmax * (0.1 / 22), Y0 + y, X0 + Xmax * (0.05 / 22), Y0 + y);
    for (double v = Xmax; v >= 0; v += -1) {
        surface.Line(X0 + v, Y0 - Ymax * (0.08 / 4), X0 + v, Y0 + Ymax * (0.08 / 4));
        surface.setCurrentY(surface.currentY() - Ymax * (0.45 / 4));
        surface.setCurrentX(surface.currentX() - Xmax * (0.14 / 22));
        surface.PrintNumber(v, numbers);
    }
    for (double v = Xmax; v >= 0; v += -0.2)
        surface.Line(X0 + v, Y0 - Ymax * (0.035 / 4), X0 + v, Y0 + Ymax * (0.035 / 4));

    // Axes and captions.
    surface.setDrawWidth(2);
    surface.setForeColor(DrawingSurface::QBColor(kAxisColour));
    surface.PSet(X0, Y0);
    surface.LineTo(X0, Y0 + Ymax);
    surface.setCurrentY(surface.currentY() + Ymax * (0.06 / 4));
    surface.setCurrentX(surface.currentX() - Xmax * (0.3 / 22));
    surface.Print(QStringLiteral("Kavro (m)"));
    out.captionFoot = surface.currentY();
    surface.PSet(X0, Y0);
    surface.LineTo(X0 + Xmax, Y0);
    surface.setCurrentY(surface.currentY() - Ymax * (0.1 / 4));
    printTwoLineLabel(surface, g, QStringLiteral("Ship Speed"), QStringLiteral("(knots)"));

    // Grid, none at kavro 0; it starts a fixed 0.16 knots right of the kavro axis.
    surface.setDrawWidth(1);
    surface.setDrawStyle(DrawStyle::Dashed);
    surface.setForeColor(DrawingSurface::QBColor(kGridColour));
    for (double y = Ymax; y >= 0.001; y += -0.5)
        surface.Line((X0 + 0.12) + 0.04, Y0 + y, X0 + Xmax, Y0 + y);
    surface.setDrawStyle(DrawStyle::Solid);
    surface.setDrawWidth(2);

    // Curve in whole knots; the first segment has no length and starts it at the origin.
    surface.PSet(X0, Y0);
    surface.setForeColor(DrawingSurface::QBColor(kCurveColour));
    for (double V = 0; V <= Xmax; V += 1)
        surface.LineTo(X0 + V, Y0 + kavroAtSpeed(in.K, V));

    if (!in.allowedSpeed) {
        // No allowed speed: report the kavro and clearance at the last knot plotted.
        const double kv = double(surface.currentY()) - Y0;
        out.lastKnotKavro = kv;
        out.lastKnotClearance = (in.H - in.T) - kv;
    }
    surface.setDrawWidth(1);

    const double groundingY = (Y0 + in.H) - in.T;
    std::optional<float> groundingLabelY;
    if (in.allowedSpeed && Ymax > in.H - in.T) {
        surface.setDrawWidth(2);
        surface.PSet(X0, groundingY);
        surface.setForeColor(DrawingSurface::colorFromValue(kGroundingColourValue));
        surface.LineTo(X0 + Xmax, groundingY);
        surface.setCurrentY(surface.currentY() - Ymax * (0.1 / 4));
        groundingLabelY = surface.currentY();
        printTwoLineLabel(surface, g, QStringLiteral("Grounding"), QStringLiteral("Line"));
        surface.setDrawWidth(2);
        surface.setForeColor(DrawingSurface::QBColor(kLeftOverColour));
    }

    if (in.allowedSpeed && in.UKCmin != 0 && Ymax > (in.H - in.UKCmin) - in.T) {
        const double clearanceY = groundingY - in.UKCmin;
        surface.setDrawWidth(2);
        surface.PSet(X0, clearanceY);
        surface.setForeColor(DrawingSurface::QBColor(kClearanceColour));
        surface.LineTo(X0 + Xmax, clearanceY);
        surface.setCurrentY(surface.currentY() - Ymax * (0.1 / 4));
        surface.setCurrentX(surface.currentX() + Xmax * (0.15 / 22));
        // Keep the label from overprinting the grounding label just below it.
        if (groundingLabelY) {
            const double yG = *groundingLabelY;
            const double penY = surface.currentY();
            if (yG - kLabelGap <= penY && penY <= yG)
                surface.setCurrentY(yG - kLabelGap);
        }
        surface.Print(QStringLiteral("UKC Line"));
        surface.setDrawWidth(2);
        surface.setForeColor(DrawingSurface::QBColor(kLeftOverColour));
    }
    return out;
}

} // namespace kavro
