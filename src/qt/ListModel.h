#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <QSize>

namespace kv380::ui {
class RWListView;
struct ListItem;
} // namespace kv380::ui

namespace kv380::qt {

// The Qt item model over a list control's items. It copies nothing: every row is read from the list when
// Qt asks. The one number it keeps is the row count Qt was last told, because Qt must never see a count
// change without a notification; rows beyond what the list holds at that moment read as empty.
//
// A change of the list's content becomes one model reset. The runtime holds notifications between
// beginUpdate and endUpdate, so a fill of any size wrapped in them is one reset, not one per item.
class ListModel : public QAbstractListModel {
    Q_OBJECT
public:
    ListModel(ui::RWListView& list, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDragActions() const override;
    QStringList mimeTypes() const override;
    // The dragged items' keys, one a line, as plain text and in the list's own drag format (qt/ListDrag.h).
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

    // The list's content changed.
    void reload();
    // The list is going: the model reads as empty from now on.
    void detach();
    // The icon of items that name none.
    void setDefaultIcon(const QIcon& icon) { m_defaultIcon = icon; }
    // The size every item asks for; an invalid size lets the view measure items itself. Large icons take
    // their whole grid cell, so a name is not cut down to its icon's width.
    void setItemSize(QSize size) { m_itemSize = size; }

    // The item shown in a row, nullptr when the list no longer has it.
    const ui::ListItem* itemAt(int row) const;

private:
    ui::RWListView* m_list;
    int m_rows{0};
    QIcon m_defaultIcon;
    QSize m_itemSize;
    // Pictures read once per name, not once per paint.
    mutable QHash<QString, QIcon> m_icons;
};

} // namespace kv380::qt
