// The editor of a grid cell: a line box that takes no control characters, and no more characters
// than the box bound to the same column on the page.
#pragma once

#include <QStyledItemDelegate>

#include <functional>

namespace kavro {

class GridCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // The most characters a column takes, 0 for no limit.
    using Limit = std::function<int(int column)>;

    GridCellDelegate(Limit limit, QObject *parent) : QStyledItemDelegate(parent), m_limit(std::move(limit)) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    Limit m_limit;
};

} // namespace kavro
