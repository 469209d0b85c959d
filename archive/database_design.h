// What sets the three database pages and their delete confirmations apart: captions, table,
// default place, the labels of the value boxes, button names, default button and client size.
#pragma once

#include "core/case_fields.h"
#include "core/waterway_kind.h"

#include <QSizeF>
#include <QString>

#include <map>

namespace kavro {

struct DatabaseDesign
{
    WaterwayKind kind = WaterwayKind::DepthRestricted;
    QString name;
    QString caption;
    QString table;
    // The window that asks before a record is deleted.
    QString confirmationName;
    // Place of the record that Add and the default record start with.
    QString defaultPlace;
    QString dateLabel;
    // Labels of the boxes in the waterway frame; the ship boxes are labelled alike on every page.
    std::map<CaseField, QString> waterwayLabels;
    // The same three buttons bear different names on the three pages.
    QString retrieveName;
    QString closeName;
    QString okName;
    bool okIsDefault = false;
    QSizeF clientSize;
};

const DatabaseDesign &databaseDesign(WaterwayKind kind);

// The label of a value box on the page.
QString valueLabel(const DatabaseDesign &design, CaseField field);

inline const QString kDefaultAuthor = QStringLiteral("Captain N.N");

} // namespace kavro
