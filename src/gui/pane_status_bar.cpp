#include "gui/pane_status_bar.h"

#include <QLabel>

namespace varden {

PaneStatusBar::PaneStatusBar(QWidget* parent) : QWidget(parent) {
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        panes_[i] = new QLabel(this);
        panes_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panes_[i]->setIndent(4);
        panes_[i]->setAccessibleName(tr("Status pane %1").arg(i + 1));
    }
    setAutoFillBackground(true);
}

void PaneStatusBar::SetPaneEdges(const std::array<int, 4>& rightEdges) {
    edges_ = rightEdges;
    LayOutPanes();
}

void PaneStatusBar::SetPaneText(int pane, const QString& text) {
    if (pane >= 0 && pane < static_cast<int>(panes_.size())) {
        panes_[static_cast<std::size_t>(pane)]->setText(text);
    }
}

QString PaneStatusBar::PaneText(int pane) const {
    if (pane >= 0 && pane < static_cast<int>(panes_.size())) {
        return panes_[static_cast<std::size_t>(pane)]->text();
    }
    return {};
}

void PaneStatusBar::resizeEvent(QResizeEvent*) {
    LayOutPanes();
}

void PaneStatusBar::LayOutPanes() {
    int left = 0;
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        const int right = std::min(edges_[i], width());
        panes_[i]->setGeometry(left, 2, std::max(0, right - left - 2), height() - 3);
        left = right;
    }
}

}  // namespace varden
