#include "gui/app/UserPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

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
    QFileDialog dialog(parent, caption, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // With the suffix added by the dialog, its overwrite question sees the name that is saved.
    const QRegularExpressionMatch suffix = QRegularExpression("\\*\\.(\\w+)").match(filter);
    if (suffix.hasMatch()) {
        dialog.setDefaultSuffix(suffix.captured(1));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

QString UserPrompts::saveFileNameWithSuffix(QWidget* parent, const QString& caption,
                                            QString proposed, const QString& filter,
                                            const QString& suffix) {
    proposed.chop(QFileInfo(proposed).suffix().size());
    proposed += (proposed.endsWith('.') ? "" : ".") + suffix;
    QString path = saveFileName(parent, caption, proposed, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        path += "." + suffix;
    }
    return path;
}

int DialogPrompts::runDialog(QDialog& dialog) {
    return dialog.exec();
}

}  // namespace gui
}  // namespace radio
