#include "qt/ListModel.h"

#include "platform/ui/RWListView.h"
#include "qt/ListDrag.h"
#include "qt/Pictures.h"
#include "qt/Text.h"

#include <QMimeData>

#include <algorithm>

namespace kv380::qt {

ListModel::ListModel(ui::RWListView& list, QObject* parent)
    : QAbstractListModel(parent), m_list(&list), m_rows(list.itemCount()) {}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

const ui::ListItem* ListModel::itemAt(int row) const {
    if (m_list == nullptr || row < 0 || row >= m_list->itemCount()) {
        return nullptr;
    }
    return &m_list->item(row + 1);
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    const ui::ListItem* item = index.isValid() ? itemAt(index.row()) : nullptr;
    if (item == nullptr) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return toQt(item->text);
    case Qt::DecorationRole: {
        if (item->icon.empty()) {
            return m_defaultIcon;
        }
        const QString name = toQt(item->icon);
        auto found = m_icons.constFind(name);
        if (found == m_icons.constEnd()) {
            QIcon icon = pictureIcon(item->icon, nullptr);
            found = m_icons.insert(name, icon.isNull() ? m_defaultIcon : icon);
        }
        return *found;
    }
    case Qt::SizeHintRole:
        return m_itemSize.isValid() ? QVariant(m_itemSize) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}

Qt::DropActions ListModel::supportedDragActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

QStringList ListModel::mimeTypes() const {
    return {QStringLiteral("text/plain"), QString::fromLatin1(StockpileObjectsMimeType)};
}

QMimeData* ListModel::mimeData(const QModelIndexList& indexes) const {
    QModelIndexList sorted = indexes;
    std::sort(sorted.begin(), sorted.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList keys;
    for (const QModelIndex& index : sorted) {
        if (const ui::ListItem* item = itemAt(index.row())) {
            keys.push_back(toQt(item->key));
        }
    }
    const QString text = keys.join(QLatin1Char('\n'));
    auto* data = new QMimeData;
    data->setText(text);
    data->setData(QString::fromLatin1(StockpileObjectsMimeType), text.toUtf8());
    return data;
}

void ListModel::reload() {
    beginResetModel();
    m_rows = m_list != nullptr ? m_list->itemCount() : 0;
    endResetModel();
}

void ListModel::detach() {
    beginResetModel();
    m_list = nullptr;
    m_rows = 0;
    m_icons.clear();
    endResetModel();
}

} // namespace kv380::qt
