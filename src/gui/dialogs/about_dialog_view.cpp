#include "gui/dialogs/about_dialog_view.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

#include "core/app/about_dlg.h"

namespace varden {

namespace {

constexpr int kIconSize = 64;

QLabel* TextLine(const std::string& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(QString::fromLocal8Bit(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

AboutDialogView::AboutDialogView(const CAboutDlg& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QString::fromLocal8Bit(model.m_caption));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/app.png")).pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);

    QLabel* title = TextLine(model.m_title, this, "title");
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    title->setFont(bold);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 3, 1);
    layout->addWidget(title, 0, 1);
    layout->addWidget(TextLine(model.m_version, this, "version"), 1, 1);
    layout->addWidget(TextLine(model.m_detail, this, "detail"), 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

DialogResult RunAboutDialog(CAboutDlg& model, QWidget* parent) {
    AboutDialogView view(model, parent);
    return view.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace varden
