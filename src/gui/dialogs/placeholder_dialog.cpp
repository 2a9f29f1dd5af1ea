#include "gui/dialogs/placeholder_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace varden {

DialogResult RunPlaceholderDialog(const QString& title, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace varden
