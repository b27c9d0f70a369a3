#include "toolkit/gui/accessible_table.h"

#include <QAccessibleWidget>
#include <QWidget>
#include <algorithm>
#include <map>

namespace sl {
namespace {

class AccessibleTable;

// One cell of a drawn table. It has no object of its own: everything is asked of the source.
class AccessibleCell : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
 public:
  AccessibleCell(AccessibleTable& table, int row, int column)
      : table_(table), row_(row), column_(column) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation) const override {
    return {};
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // QAccessibleTableCellInterface
  bool isSelected() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override;

  // QAccessibleActionInterface: an assistive tool picks the cell.
  QStringList actionNames() const override { return {setFocusAction()}; }
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  AccessibleTable& table_;
  int row_;
  int column_;
};

class AccessibleTable : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  AccessibleTable(QWidget* widget, AccessibleTableSource& source)
      : QAccessibleWidget(widget, source.TableRole()), source_(source) {}
  ~AccessibleTable() override {
    for (const auto& [key, id] : cells_) QAccessible::deleteAccessibleInterface(id);
  }

  AccessibleTableSource& Source() const { return source_; }
  QWidget* Widget() const { return widget(); }

  int childCount() const override { return rowCount() * columnCount(); }
  QAccessibleInterface* child(int index) const override {
    const int columns = columnCount();
    if (index < 0 || columns == 0 || index >= childCount()) return nullptr;
    return cellAt(index / columns, index % columns);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child || child->parent() != this) return -1;
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    return cell ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int r = 0; r < rowCount(); ++r) {
      for (int c = 0; c < columnCount(); ++c) {
        if (source_.CellRect(r, c).contains(local)) return cellAt(r, c);
      }
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    int row = 0;
    int column = 0;
    if (!widget()->hasFocus() || !source_.CurrentCell(row, column)) return nullptr;
    return cellAt(row, column);
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // QAccessibleTableInterface
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    const int key = row * kMaxAccessibleColumns + column;
    auto found = cells_.find(key);
    if (found == cells_.end()) {
      auto* cell = new AccessibleCell(const_cast<AccessibleTable&>(*this), row, column);
      found = cells_.emplace(key, QAccessible::registerAccessibleInterface(cell)).first;
    }
    return QAccessible::accessibleInterface(found->second);
  }
  int selectedCellCount() const override { return selectedCells().size(); }
  QList<QAccessibleInterface*> selectedCells() const override {
    int row = 0;
    int column = 0;
    if (!source_.CurrentCell(row, column)) return {};
    QAccessibleInterface* cell = cellAt(row, column);
    return cell ? QList<QAccessibleInterface*>{cell} : QList<QAccessibleInterface*>{};
  }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return selectedRows().size(); }
  int columnCount() const override {
    return std::clamp(source_.TableColumns(), 0, kMaxAccessibleColumns);
  }
  int rowCount() const override { return std::clamp(source_.TableRows(), 0, kMaxAccessibleRows); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override {
    // A list selects whole rows; a table only its current cell.
    int row = 0;
    int column = 0;
    if (source_.TableRole() != QAccessible::List || !source_.CurrentCell(row, column)) return {};
    return {row};
  }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int row) const override { return selectedRows().contains(row); }
  bool selectRow(int row) override {
    return row >= 0 && row < rowCount() && source_.SelectRow(row);
  }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  // The cells ask the source for everything, so a changed table needs nothing here.
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  AccessibleTableSource& source_;
  mutable std::map<int, QAccessible::Id> cells_;  // made when first asked for, kept to the end
};

bool AccessibleCell::isValid() const {
  return table_.isValid() && row_ < table_.rowCount() && column_ < table_.columnCount();
}

QWindow* AccessibleCell::window() const { return table_.window(); }

QAccessibleInterface* AccessibleCell::parent() const { return &table_; }

QAccessibleInterface* AccessibleCell::table() const { return &table_; }

QString AccessibleCell::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  switch (t) {
    case QAccessible::Name: return table_.Source().CellName(row_, column_);
    case QAccessible::Description: return table_.Source().CellDescription(row_, column_);
    default: return {};
  }
}

QRect AccessibleCell::rect() const {
  if (!isValid()) return {};
  const QRect local = table_.Source().CellRect(row_, column_);
  return QRect(table_.Widget()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role AccessibleCell::role() const { return table_.Source().CellRole(); }

bool AccessibleCell::isSelected() const {
  int row = 0;
  int column = 0;
  return table_.Source().CurrentCell(row, column) && row == row_ &&
         (column == column_ || table_.Source().TableRole() == QAccessible::List);
}

QAccessible::State AccessibleCell::state() const {
  QAccessible::State state;
  if (!isValid()) {
    state.invalid = true;
    return state;
  }
  state.focusable = true;
  state.selectable = true;
  state.selected = isSelected();
  state.focused = state.selected && table_.Widget()->hasFocus();
  state.invisible = !table_.Widget()->isVisible();
  return state;
}

void* AccessibleCell::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableCellInterface) {
    return static_cast<QAccessibleTableCellInterface*>(this);
  }
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

void AccessibleCell::doAction(const QString& actionName) {
  if (actionName == setFocusAction() && isValid()) table_.selectRow(row_);
}

AccessibleTable* TableOf(QWidget& widget) {
  if (!QAccessible::isActive()) return nullptr;
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&widget);
  return iface ? dynamic_cast<AccessibleTable*>(iface) : nullptr;
}

QAccessibleInterface* CellOf(QWidget& table, int row, int column) {
  AccessibleTable* accessible = TableOf(table);
  return accessible ? accessible->cellAt(row, column) : nullptr;
}

}  // namespace

void NotifyCurrentCell(QWidget& table, int row, int column) {
  QAccessibleInterface* cell = CellOf(table, row, column);
  if (!cell) return;
  QAccessibleEvent selection(cell, QAccessible::Selection);
  QAccessible::updateAccessibility(&selection);
  if (table.hasFocus()) {
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
}

void NotifyCellChanged(QWidget& table, int row, int column) {
  QAccessibleInterface* cell = CellOf(table, row, column);
  if (!cell) return;
  QAccessibleEvent changed(cell, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

void NotifyTableReset(QWidget& table) {
  if (!TableOf(table)) return;
  QAccessibleTableModelChangeEvent reset(&table, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&reset);
}

QAccessibleInterface* MakeAccessibleTable(QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  auto* source = dynamic_cast<AccessibleTableSource*>(object);
  return widget && source ? new AccessibleTable(widget, *source) : nullptr;
}

}  // namespace sl
