// The editor of a grid cell.
#include "archive/grid_cell_delegate.h"

#include <QLineEdit>

namespace kavro {

QWidget *GridCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    if (const int limit = m_limit ? m_limit(index.column()) : 0; limit > 0)
        editor->setMaxLength(limit);
    return editor;
}

} // namespace kavro
