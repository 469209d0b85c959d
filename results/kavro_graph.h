// The graph of kavro against ship speed that every results page draws on its surface.
#pragma once

#include <optional>

namespace kavro {

class DrawingSurface;
class RegionalNumbers;

struct GraphInputs
{
    double K = 0;       // sinkage coefficient: kavro in m at V knots is K * V^2.08
    double T = 0;       // governing draught, m
    double H = 0;       // water depth, m
    double UKCmin = 0;  // required minimum under-keel clearance, m
    double SS = 0;      // service speed, knots
    bool allowedSpeed = true; // whether the case has a maximum allowed speed to report
};

struct GraphOutputs
{
    bool drawn = false; // false: nothing could be drawn, the values below mean nothing
    float numberColumn = 0; // x of the kavro axis numbers
    float captionFoot = 0;  // pen y just after the kavro axis caption
    // Without an allowed speed: the kavro at the last whole knot plotted, as the pen holds it,
    // and the clearance that remains at that speed, m.
    std::optional<double> lastKnotKavro, lastKnotClearance;

    std::optional<int> Vcap; // graph speed cap, knots; none when the depth is too large to form it
    double Xmax = 0;      // graph end speed, knots
    int Ymax = 0;         // graph depth range, m
    double X0 = 0, Y0 = 0; // plot origin in user units
};

// Draws the whole graph on a surface that the page has just cleared and sized; sets the font
// size, background and user scale itself. A case whose graph cannot be formed (no positive end
// speed, a range beyond 16 bits, a value that is not finite) leaves only the background.
GraphOutputs drawKavroGraph(DrawingSurface &surface, const GraphInputs &in, const RegionalNumbers &numbers);

} // namespace kavro
