#pragma once

// What a screen reader finds: Qt's accessibility interfaces, as AT-SPI and UI Automation read
// them.
#include <QAccessible>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace radio::test {

// The focusable elements shown from an element down that a screen reader cannot name well. It
// says the texts of an element's labels (a buddy, a group's title) and its own name (on Linux a
// list's own name is its value), or a table cell's headers; a name must not carry shortcut text
// and must say the texts required.
inline QStringList namingFaults(QAccessibleInterface* element, const QStringList& required = {}) {
    if (!element || element->state().invisible) {
        return {};
    }
    QStringList names;
    if (QAccessibleTableCellInterface* cell = element->tableCellInterface()) {
        for (QAccessibleInterface* header : cell->columnHeaderCells() + cell->rowHeaderCells()) {
            names << header->text(QAccessible::Name);
            // Qt hands header cells out unregistered and never frees them; its cache can.
            QAccessible::deleteAccessibleInterface(
                QAccessible::registerAccessibleInterface(header));
        }
    }
    for (const auto& [label, relation] : element->relations(QAccessible::Label)) {
        names << label->text(QAccessible::Name);
    }
    if (element->role() != QAccessible::ComboBox && !element->tableCellInterface()) {
        names << element->text(QAccessible::Name);
    }
    const QString name = names.join(' ').trimmed();
    const bool named = !name.isEmpty() && !name.contains(QRegularExpression("\t|&|Ctrl\\+")) &&
                       std::ranges::all_of(required, [&name](const QString& text) {
                           return name.contains(text.simplified());
                       });
    QStringList faults;
    if (element->state().focusable && !named) {
        faults << QStringLiteral("role %1 \"%2\"").arg(element->role()).arg(name);
    }
    for (int i = 0; i < element->childCount(); ++i) {
        faults << namingFaults(element->child(i));
    }
    return faults;
}

}  // namespace radio::test
