#include "gui/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/app/control_panel_dlg.h"
#include "core/app/menu_layout.h"
#include "gui/client_area.h"
#include "gui/controls/button_panel_widget.h"
#include "gui/controls/strip_chart_widget.h"
#include "gui/controls/tab_panel_widget.h"
#include "gui/painter_canvas.h"
#include "gui/pane_status_bar.h"

namespace varden {

namespace {

// The client area the layout was drawn for, before the first layout decides the height.
constexpr int kClientWidth = 370;
constexpr int kClientHeight = 320;

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Varden Control Panel"));
    setObjectName(QStringLiteral("mainWindow"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    BuildMenus();

    client_ = new ClientArea(this);
    client_->setFixedSize(kClientWidth, kClientHeight);
    layout->addWidget(client_);

    tabPanel_ = new TabPanelWidget(client_);
    tabPanel_->setObjectName(QStringLiteral("tabPanel"));
    buttonPanel_ = new ButtonPanelWidget(client_);
    buttonPanel_->setObjectName(QStringLiteral("buttonPanel"));
    buttonPanel_->setGeometry(0, 212, kClientWidth, 81);
    stripChart_ = new StripChartWidget(client_);
    stripChart_->setObjectName(QStringLiteral("stripChart"));
    statusBar_ = new PaneStatusBar(client_);
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    statusBar_->hide();

    pollTimer_.setTimerType(Qt::PreciseTimer);
}

MainWindow::~MainWindow() = default;

void MainWindow::AttachController(CVardenControlPanelDlg* controller) {
    controller_ = controller;
    CVardenControlPanelDlg* c = controller;
    connect(&pollTimer_, &QTimer::timeout, this, [c] { c->OnTimer(1); });
    connect(
        tabPanel_, &TabPanelWidget::EventRaised, this,
        [c](int event, quint32 a, quint32 b, quint32 d) { c->OnTabPanelEvent(event, a, b, d); });
    connect(buttonPanel_, &ButtonPanelWidget::EventRaised, this,
            [c](int event, quint8 argument) { c->OnButtonPanelEvent(event, argument); });
    connect(stripChart_, &StripChartWidget::AnnotationRequested, this,
            [c] { c->OnStripChartEvent(kAnnotationRequested); });
    client_->leftButtonDown = [c](int x, int y) { c->OnLButtonDown(x, y); };
    client_->resized = [c] { c->OnSize(); };
    client_->paintBackground = [this, c](QPainter& painter) {
        PainterCanvas canvas(painter, *client_, bitmaps_);
        c->OnEraseBackground(canvas);
    };
}

void MainWindow::DetachController() {
    controller_ = nullptr;
    pollTimer_.stop();
    disconnect(&pollTimer_, nullptr, this, nullptr);
    disconnect(tabPanel_, nullptr, this, nullptr);
    disconnect(buttonPanel_, nullptr, this, nullptr);
    disconnect(stripChart_, nullptr, this, nullptr);
    client_->leftButtonDown = nullptr;
    client_->resized = nullptr;
    client_->paintBackground = nullptr;
}

void MainWindow::BuildMenus() {
    std::function<void(QWidget*, const std::vector<MenuEntry>&)> add =
        [&](QWidget* into, const std::vector<MenuEntry>& entries) {
            for (const MenuEntry& entry : entries) {
                const QString text = QString::fromStdString(entry.text);
                switch (entry.kind) {
                    case MenuEntry::Kind::Separator:
                        static_cast<QMenu*>(into)->addSeparator();
                        break;
                    case MenuEntry::Kind::Popup: {
                        QMenu* menu = into == menuBar_ ? menuBar_->addMenu(text)
                                                       : static_cast<QMenu*>(into)->addMenu(text);
                        if (entry.text == "Help") {
                            helpMenu_ = menu;
                        }
                        add(menu, entry.entries);
                        break;
                    }
                    case MenuEntry::Kind::Command: {
                        auto* action = new QAction(text, into);
                        const int id = entry.commandId;
                        connect(action, &QAction::triggered, this, [this, id] {
                            if (controller_ != nullptr) {
                                controller_->OnMenuCommand(id);
                            }
                        });
                        into->addAction(action);
                        actions_[id] = action;
                        break;
                    }
                }
            }
        };
    add(menuBar_, MainMenuLayout());
}

QAction* MainWindow::CommandAction(int commandId) const {
    auto found = actions_.find(commandId);
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::AppendSystemEntry(int commandId, const QString& text) {
    QAction* action = helpMenu_->addAction(text);
    connect(action, &QAction::triggered, this, [this, commandId] {
        if (controller_ != nullptr) {
            controller_->OnSysCommand(commandId);
        }
    });
}

void MainWindow::AppendSystemSeparator() {
    helpMenu_->addSeparator();
}

bool MainWindow::TakeEscapePressed() {
    const bool pressed = escapePressed_ || escapeHeld_;
    escapePressed_ = false;
    return pressed;
}

void MainWindow::accept() {
    // Enter and the default button leave the panel open.
    if (controller_ != nullptr) {
        controller_->OnOK();
    }
}

void MainWindow::reject() {
    TryClose();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (TryClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool MainWindow::TryClose() {
    if (controller_ != nullptr && !controller_->OnCancel()) {
        return false;
    }
    pollTimer_.stop();
    QDialog::done(QDialog::Rejected);
    return true;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        escapeHeld_ = true;
        escapePressed_ = true;
    }
    QDialog::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        escapeHeld_ = false;
    }
    QDialog::keyReleaseEvent(event);
}

}  // namespace varden
