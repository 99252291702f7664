#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace radio {
namespace gui {

// Every message box and file dialog of the program goes through this interface, so tests can
// answer them without a modal window ever waiting.
class UserPrompts {
  public:
    virtual ~UserPrompts() = default;

    virtual QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& caption, const QString& text,
                                                QMessageBox::StandardButtons buttons) = 0;
    // Empty when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                 const QString& filter) = 0;
    // Shows a dialog modally; the QDialog result code.
    virtual int runDialog(QDialog& dialog) = 0;

    // A name to save a file of one kind to (suffix "pdf", filter "PDF Files (*.pdf)"): the
    // proposed name takes that suffix, and so does a name typed without one. Empty when
    // cancelled.
    QString saveFileNameWithSuffix(QWidget* parent, const QString& caption, QString proposed,
                                   const QString& filter, const QString& suffix);
};

// The real dialogs.
class DialogPrompts final : public UserPrompts {
  public:
    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& caption, const QString& text,
                                        QMessageBox::StandardButtons buttons) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter) override;
    int runDialog(QDialog& dialog) override;
};

}  // namespace gui
}  // namespace radio
