#pragma once

#include <QDialog>
#include <QPixmap>
#include <QTimer>
#include <map>

class QMenu;
class QMenuBar;

namespace varden {

class CVardenControlPanelDlg;
class ButtonPanelWidget;
class ClientArea;
class PaneStatusBar;
class StripChartWidget;
class TabPanelWidget;

// The main window: a fixed-size dialog with the menu bar and a client area holding the button
// panel, the tab panel (with the strip chart on its stability page) and the status bar.
// Every window event becomes one call into the controller.
class MainWindow : public QDialog {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Routes the window's events to `controller` until DetachController.
    void AttachController(CVardenControlPanelDlg* controller);
    // Stops routing events, before the controller goes away.
    void DetachController();

    TabPanelWidget& TabPanel() { return *tabPanel_; }
    ButtonPanelWidget& ButtonPanel() { return *buttonPanel_; }
    StripChartWidget& StripChart() { return *stripChart_; }
    ClientArea& Client() { return *client_; }
    PaneStatusBar& StatusBar() { return *statusBar_; }
    QMenuBar& MenuBar() { return *menuBar_; }
    QTimer& PollTimer() { return pollTimer_; }

    // The menu-bar action of a command, or null.
    QAction* CommandAction(int commandId) const;
    // Appends an entry that is routed as a system command (the window manager owns the real
    // system menu on this platform, so these live in the "Help" menu).
    void AppendSystemEntry(int commandId, const QString& text);
    void AppendSystemSeparator();

    // True while Escape is held or when it was pressed since the last call.
    bool TakeEscapePressed();

    // Bitmaps by resource id, loaded by the shell.
    std::map<int, QPixmap>& Bitmaps() { return bitmaps_; }

  public Q_SLOTS:
    void accept() override;
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void BuildMenus();
    // Asks the controller whether the panel may close now; ends the dialog when it may.
    bool TryClose();

    CVardenControlPanelDlg* controller_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    ClientArea* client_ = nullptr;
    TabPanelWidget* tabPanel_ = nullptr;
    ButtonPanelWidget* buttonPanel_ = nullptr;
    StripChartWidget* stripChart_ = nullptr;
    PaneStatusBar* statusBar_ = nullptr;
    QTimer pollTimer_;
    std::map<int, QAction*> actions_;
    std::map<int, QPixmap> bitmaps_;
    bool escapeHeld_ = false;
    bool escapePressed_ = false;
};

}  // namespace varden
