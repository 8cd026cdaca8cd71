#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAbstractScrollArea;
class QLabel;

namespace kv380::ui {
class RWListView;
}

namespace kv380::qt {

// A scroll area that can keep a band below its viewport free (its viewport margins are its own to set).
class FootRoom {
public:
    virtual void reserveFoot(int height) = 0;

protected:
    ~FootRoom() = default;
};

// A list widget's status line ("23 of 1,204", at the foot of the list) and its empty-list message (in the
// middle of an empty list), as the list's model says; labels over the list's viewport, kept in place as the
// list is resized. Owned by the list widget.
class ListStatus : public QObject {
    Q_OBJECT
public:
    // The status of `list`, made on first use.
    static ListStatus& of(QAbstractScrollArea& list);
    void show(const ui::RWListView& model);

    // What the labels show ("" when hidden).
    QString statusText() const;
    QString emptyText() const;

private:
    explicit ListStatus(QAbstractScrollArea& list);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void place();

    QAbstractScrollArea& m_list;
    QPointer<QWidget> m_viewport;
    FootRoom* m_foot;
    QLabel* m_status;
    QLabel* m_empty;
};

} // namespace kv380::qt
