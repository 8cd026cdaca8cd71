#pragma once

#include "model/services/Datasheet.h"

#include <QWidget>

class QTableWidget;

namespace kv380::demo {

// A datasheet as the demo host shows it: a window of its own, titled with the object's tag and type, with
// one row per property. It stays open beside the main window until the user closes it.
class DatasheetWindow : public QWidget {
    Q_OBJECT
public:
    DatasheetWindow(const Datasheet& sheet, QWidget* parent);

    int64_t objectId() const { return m_objectId; }
    // The value shown for a property, "" when the sheet has no such property.
    QString value(const QString& property) const;

private:
    int64_t m_objectId;
    QTableWidget* m_table;
};

} // namespace kv380::demo
