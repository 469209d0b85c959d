// The one table of the case fields: the name that the input boxes and the database columns share,
// the field of the active case it fills, how the echo shows it and which waterway kinds have it.
#pragma once

#include "core/active_case.h"
#include "core/waterway_kind.h"

#include <QList>
#include <QString>

#include <optional>
#include <variant>

namespace kavro {

enum class CaseField {
    DraughtAft,
    DraughtFore,
    Breadth,
    BlockCoefficient,
    ServiceSpeed,
    MinUkc,
    WaterwayWidth,
    WaterDepth,
    NaturalDepth,
};

struct CaseFieldSpec
{
    CaseField field;
    // "TA", "TF", ...: the input box, the database column and the box on a database page.
    QString name;
    // A text field of the active case receives the box's text untouched; the service speed its value.
    std::variant<QString ActiveCase::*, double ActiveCase::*> member;
    // What the results page's echo shows after the value.
    int echoDecimals = 2;
    QString unit;
    bool depthRestricted = true;
    bool canal = true;
    bool channel = true;

    bool belongsTo(WaterwayKind kind) const;
};

const CaseFieldSpec &caseField(CaseField field);
// "TA" for CaseField::DraughtAft, and so on.
inline const QString &fieldName(CaseField field) { return caseField(field).name; }
// The fields of a kind in field order: TA, TF, B2, CB, SS, K, [W], H, [HB].
const QList<CaseFieldSpec> &caseFieldsOf(WaterwayKind kind);
// The field whose name is exactly `name`; none for any other text.
std::optional<CaseField> caseFieldNamed(const QString &name);

} // namespace kavro
