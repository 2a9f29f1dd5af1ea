#include "gui/dialogs/mag_and_fil_selection_view.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "core/snapshot/mag_and_fil_selection.h"

namespace varden {

namespace {

QComboBox* DropDown(const std::vector<std::string>& items, const QString& name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const std::string& item : items) {
        list->addItem(QString::fromLocal8Bit(item));
    }
    list->setCurrentIndex(items.empty() ? -1 : 0);
    return list;
}

}  // namespace

DialogResult RunMagAndFilSelectionDialog(CMagAndFilSelection& model, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Magnification and Filter Selection"));
    model.Open();
    QComboBox* magnifications =
        DropDown(model.MagnificationItems(), QStringLiteral("magnificationList"), &dialog);
    QComboBox* wavelengths =
        DropDown(model.WavelengthItems(), QStringLiteral("wavelengthList"), &dialog);
    QObject::connect(magnifications, &QComboBox::currentIndexChanged, &dialog,
                     [&model](int index) { model.OnMagnificationSelected(index); });
    QObject::connect(wavelengths, &QComboBox::currentIndexChanged, &dialog,
                     [&model](int index) { model.OnWavelengthSelected(index); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Please Select Magnification for Scan:"), &dialog));
    layout->addWidget(magnifications);
    layout->addWidget(new QLabel(QStringLiteral("Please select wavelength:"), &dialog));
    layout->addWidget(wavelengths);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace varden
