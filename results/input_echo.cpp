// The input echo of a results page.
#include "results/input_echo.h"

#include "core/active_case.h"
#include "core/case_fields.h"
#include "core/regional_numbers.h"

#include <variant>

namespace kavro {

namespace {

// The text fields are converted afresh with the regional settings; the service speed is a number.
double fieldValue(const CaseFieldSpec &spec, const ActiveCase &activeCase, const RegionalNumbers &numbers)
{
    if (const auto *text = std::get_if<QString ActiveCase::*>(&spec.member))
        return numbers.toDouble(activeCase.**text);
    return activeCase.*std::get<double ActiveCase::*>(spec.member);
}

} // namespace

QStringList inputEcho(const ResultsDesign &design, const ActiveCase &activeCase, const RegionalNumbers &numbers)
{
    QStringList lines;
    for (const EchoLine &line : design.echo) {
        const CaseFieldSpec &spec = caseField(line.field);
        lines.append(line.label + numbers.format(fieldValue(spec, activeCase, numbers), spec.echoDecimals) + spec.unit);
    }
    return lines;
}

} // namespace kavro
