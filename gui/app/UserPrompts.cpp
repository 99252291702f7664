#include "gui/app/UserPrompts.h"

#include <QDialog>
#include <QFileDialog>

namespace radio {
namespace gui {

QMessageBox::StandardButton DialogPrompts::message(QWidget* parent, QMessageBox::Icon icon,
                                                   const QString& caption, const QString& text,
                                                   QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString DialogPrompts::openFileName(QWidget* parent, const QString& caption,
                                    const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString DialogPrompts::saveFileName(QWidget* parent, const QString& caption,
                                    const QString& proposed, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

int DialogPrompts::runDialog(QDialog& dialog) {
    return dialog.exec();
}

}  // namespace gui
}  // namespace radio
