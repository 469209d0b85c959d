// The input check of a case: the plans of the input and database pages and the one runner.
#pragma once

#include "core/regional_numbers.h"
#include "core/waterway_kind.h"

#include <QHash>
#include <QList>
#include <QString>

namespace kavro {

// A check message box shows either a single blank or the program's own title.
enum class MessageTitle { Blank, Program };

struct CheckMessage
{
    QString text;
    MessageTitle title = MessageTitle::Blank;
    // A warning is shown and the check goes on; any other message ends it.
    bool warning = false;

    friend bool operator==(const CheckMessage &, const CheckMessage &) = default;
};

struct CheckOutcome
{
    bool accepted = false;
    // In the order shown; when the case is refused, the refusal is the last one.
    QList<CheckMessage> messages;
};

// Box name -> text of the box: the case fields by their names in the field table ("TA", ...),
// and on a database page also the record boxes below.
using FieldTexts = QHash<QString, QString>;

inline const QString kDateBox = QStringLiteral("Date");
inline const QString kPlaceBox = QStringLiteral("Place");
inline const QString kAuthorBox = QStringLiteral("Author");

class CheckPlan;

const CheckPlan &inputPagePlan(WaterwayKind kind);
// The database page's variant: record checks first, then its own order and messages.
const CheckPlan &databasePagePlan(WaterwayKind kind);

// Runs the plan's steps in order over the texts. The message boxes are modal and nothing can
// change while they are up, so the whole sequence is worked out first and shown afterwards.
CheckOutcome runCheck(const CheckPlan &plan, const FieldTexts &fields, const RegionalNumbers &numbers);

} // namespace kavro
