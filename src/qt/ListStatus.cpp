#include "qt/ListStatus.h"

#include "platform/ui/RWListView.h"
#include "qt/Text.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QLabel>

namespace kv380::qt {

namespace {
constexpr int kMargin = 2;
} // namespace

ListStatus& ListStatus::of(QAbstractScrollArea& list) {
    if (auto* existing = list.findChild<ListStatus*>(QString(), Qt::FindDirectChildrenOnly)) {
        return *existing;
    }
    return *new ListStatus(list);
}

ListStatus::ListStatus(QAbstractScrollArea& list)
    : QObject(&list), m_list(list), m_viewport(list.viewport()), m_foot(dynamic_cast<FootRoom*>(&list)),
      m_status(new QLabel(m_foot != nullptr ? static_cast<QWidget*>(&list) : list.viewport())),
      m_empty(new QLabel(list.viewport())) {
    m_status->setObjectName("listStatus");
    m_empty->setObjectName("listEmptyText");
    // The status line sits on the items' background, so that it stays legible over them.
    m_status->setAutoFillBackground(true);
    m_status->setBackgroundRole(QPalette::Base);
    m_status->setForegroundRole(QPalette::PlaceholderText);
    m_status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_status->setContentsMargins(0, 0, kMargin * 2, 0);
    m_empty->setForegroundRole(QPalette::PlaceholderText);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    // The labels only show text: clicks and drags belong to the list.
    m_status->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_empty->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_status->hide();
    m_empty->hide();
    m_viewport->installEventFilter(this);
}

void ListStatus::show(const ui::RWListView& model) {
    m_status->setText(toQt(model.StatusText()));
    m_status->setVisible(!model.StatusText().empty());
    m_empty->setText(toQt(model.EmptyText()));
    m_empty->setVisible(!model.EmptyText().empty() && model.itemCount() == 0);
    m_status->setAccessibleName(m_status->text());
    place();
}

QString ListStatus::statusText() const {
    return m_status->isVisibleTo(&m_list) ? m_status->text() : QString();
}

QString ListStatus::emptyText() const {
    return m_empty->isVisibleTo(&m_list) ? m_empty->text() : QString();
}

bool ListStatus::eventFilter(QObject* watched, QEvent* event) {
    // Only the viewport's own pointer is compared: the list may be half destroyed when its last events come.
    if (watched == m_viewport && event->type() == QEvent::Resize) {
        place();
    }
    return QObject::eventFilter(watched, event);
}

void ListStatus::place() {
    if (m_viewport == nullptr) {
        return;
    }
    const QRect area = m_viewport->rect();
    const QSize status = m_status->sizeHint();
    if (m_foot != nullptr) {
        // The band below the viewport: reserving it resizes the viewport, which places the labels again.
        m_foot->reserveFoot(m_status->isVisibleTo(&m_list) ? status.height() + kMargin : 0);
        const QRect inList(m_viewport->mapTo(&m_list, QPoint(0, 0)), m_viewport->size());
        // The whole band, on the items' background, the text at its right.
        m_status->setGeometry(inList.left(), inList.bottom() + 1, inList.width(), status.height() + kMargin);
    } else {
        m_status->setGeometry(area.right() - status.width() - kMargin,
                              area.bottom() - status.height() - kMargin, status.width(), status.height());
    }
    m_empty->setGeometry(area.adjusted(kMargin, kMargin, -kMargin, -kMargin));
}

} // namespace kv380::qt
