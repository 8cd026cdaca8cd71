#include "window/DatasheetWindow.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kv380::demo {

DatasheetWindow::DatasheetWindow(const Datasheet& sheet, QWidget* parent)
    : QWidget(parent, Qt::Window), m_objectId(sheet.objectId), m_table(new QTableWidget(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Datasheet - " + QString::fromStdString(sheet.title));
    m_table->setColumnCount(2);
    m_table->setHorizontalHeaderLabels({"Property", "Value"});
    m_table->setRowCount(static_cast<int>(sheet.fields.size()));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    int row = 0;
    for (const auto& [name, value] : sheet.fields) {
        m_table->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(name)));
        m_table->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(value)));
        ++row;
    }
    m_table->resizeColumnToContents(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    resize(420, 360);
}

QString DatasheetWindow::value(const QString& property) const {
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, 0)->text() == property) {
            return m_table->item(row, 1)->text();
        }
    }
    return {};
}

} // namespace kv380::demo
