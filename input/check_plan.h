// A check plan: an ordered list of steps, each a predicate over the boxes with its message.
#pragma once

#include "core/case_fields.h"
#include "input/input_check.h"

#include <functional>

namespace kavro {

// What a step may look at: the box texts and the values they convert to.
class CheckContext
{
public:
    CheckContext(const FieldTexts &texts, const RegionalNumbers &numbers) : m_texts(texts), m_numbers(numbers) {}

    const RegionalNumbers &numbers() const { return m_numbers; }
    QString text(CaseField field) const { return m_texts.value(fieldName(field)); }
    // Date, place and author of a database page.
    QString recordText(const QString &box) const { return m_texts.value(box); }
    // Only meaningful once the box has passed its numeric test.
    double value(CaseField field) const { return m_numbers.toDouble(text(field)); }

    // T: the larger of the two draughts.
    double governingDraught() const;
    // H / T; NaN when T is not above zero, so that no bound can be met by accident.
    double depthRatio() const;

private:
    const FieldTexts &m_texts;
    const RegionalNumbers &m_numbers;
};

struct CheckStep
{
    // True when the step shows its message.
    std::function<bool(const CheckContext &)> applies;
    CheckMessage message;
};

class CheckPlan
{
public:
    CheckPlan() = default;
    explicit CheckPlan(QList<CheckStep> steps) : m_steps(std::move(steps)) {}

    const QList<CheckStep> &steps() const { return m_steps; }

private:
    QList<CheckStep> m_steps;
};

} // namespace kavro
