// The input echo of a results page.
#include "results/input_echo.h"

#include "core/regional_numbers.h"
#include "core/active_case.h"

namespace kavro {

namespace {

double fieldValue(CaseField field, const ActiveCase &activeCase, const RegionalNumbers &numbers)
{
    switch (field) {
    case CaseField::DraughtAft: return numbers.toDouble(activeCase.DraughtAft);
    case CaseField::DraughtFore: return numbers.toDouble(activeCase.DraughtFore);
    case CaseField::Breadth: return numbers.toDouble(activeCase.Breadth);
    case CaseField::BlockCoefficient: return numbers.toDouble(activeCase.BlockCoefficient);
    case CaseField::ServiceSpeed: return activeCase.ServiceSpeed;
    case CaseField::MinUkc: return numbers.toDouble(activeCase.MinUkc);
    case CaseField::WaterDepth: return numbers.toDouble(activeCase.WaterDepth);
    case CaseField::WaterwayWidth: return numbers.toDouble(activeCase.WaterwayWidth);
    case CaseField::NaturalDepth: return numbers.toDouble(activeCase.NaturalDepth);
    }
    return 0.0;
}

} // namespace

QStringList inputEcho(const ResultsDesign &design, const ActiveCase &activeCase, const RegionalNumbers &numbers)
{
    QStringList lines;
    for (const EchoLine &line : design.echo)
        lines.append(line.label + numbers.format(fieldValue(line.field, activeCase, numbers), line.decimals)
                     + line.unit);
    return lines;
}

} // namespace kavro
