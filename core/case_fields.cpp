// The one table of the case fields.
#include "core/case_fields.h"

#include <array>

namespace kavro {

namespace {

const std::array<CaseFieldSpec, 9> &table()
{
    static const std::array<CaseFieldSpec, 9> fields{{
        {CaseField::DraughtAft, QStringLiteral("TA"), &ActiveCase::DraughtAft, 2, QStringLiteral(" m")},
        {CaseField::DraughtFore, QStringLiteral("TF"), &ActiveCase::DraughtFore, 2, QStringLiteral(" m")},
        {CaseField::Breadth, QStringLiteral("B2"), &ActiveCase::Breadth, 2, QStringLiteral(" m")},
        {CaseField::BlockCoefficient, QStringLiteral("CB"), &ActiveCase::BlockCoefficient, 2, QString()},
        {CaseField::ServiceSpeed, QStringLiteral("SS"), &ActiveCase::ServiceSpeed, 1, QStringLiteral(" kts")},
        {CaseField::MinUkc, QStringLiteral("K"), &ActiveCase::MinUkc, 2, QStringLiteral(" m")},
        {CaseField::WaterwayWidth, QStringLiteral("W"), &ActiveCase::WaterwayWidth, 0, QStringLiteral(" m"),
         false, true, true},
        {CaseField::WaterDepth, QStringLiteral("H"), &ActiveCase::WaterDepth, 2, QStringLiteral(" m")},
        {CaseField::NaturalDepth, QStringLiteral("HB"), &ActiveCase::NaturalDepth, 2, QStringLiteral(" m"),
         false, false, true},
    }};
    return fields;
}

QList<CaseFieldSpec> fieldsOf(WaterwayKind kind)
{
    QList<CaseFieldSpec> fields;
    for (const CaseFieldSpec &spec : table())
        if (spec.belongsTo(kind))
            fields.append(spec);
    return fields;
}

} // namespace

bool CaseFieldSpec::belongsTo(WaterwayKind kind) const
{
    switch (kind) {
    case WaterwayKind::DepthRestricted: return depthRestricted;
    case WaterwayKind::Canal: return canal;
    case WaterwayKind::Channel: return channel;
    }
    return false;
}

const CaseFieldSpec &caseField(CaseField field)
{
    return table()[static_cast<std::size_t>(field)];
}

std::optional<CaseField> caseFieldNamed(const QString &name)
{
    for (const CaseFieldSpec &spec : table())
        if (spec.name == name)
            return spec.field;
    return std::nullopt;
}

const QList<CaseFieldSpec> &caseFieldsOf(WaterwayKind kind)
{
    static const QList<CaseFieldSpec> depthRestricted = fieldsOf(WaterwayKind::DepthRestricted);
    static const QList<CaseFieldSpec> canal = fieldsOf(WaterwayKind::Canal);
    static const QList<CaseFieldSpec> channel = fieldsOf(WaterwayKind::Channel);
    switch (kind) {
    case WaterwayKind::Canal: return canal;
    case WaterwayKind::Channel: return channel;
    case WaterwayKind::DepthRestricted: break;
    }
    return depthRestricted;
}

} // namespace kavro
