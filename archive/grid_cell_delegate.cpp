// The editor of a grid cell.
#include "archive/grid_cell_delegate.h"

#include "archive/stored_text.h"

#include <QLineEdit>

namespace kavro {

QWidget *GridCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setValidator(new StoredTextValidator(m_limit ? m_limit(index.column()) : 0, editor));
    return editor;
}

} // namespace kavro
