#include "gui/controls/compact_table_view.h"

#include <QHeaderView>
#include <QPainter>

namespace varden {

CompactTableView::CompactTableView(QWidget* parent) : QTableView(parent) {
    setAlternatingRowColors(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    const int rowHeight = fontMetrics().height() + 4;
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    horizontalHeader()->setHighlightSections(false);
}

void CompactTableView::SetEmptyHint(const QString& hint) {
    emptyHint_ = hint;
    viewport()->update();
}

bool CompactTableView::ShowsEmptyHint() const {
    return !emptyHint_.isEmpty() &&
           (model() == nullptr || model()->rowCount() == 0 || model()->columnCount() == 0);
}

void CompactTableView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (ShowsEmptyHint()) {
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect().adjusted(8, 8, -8, -8),
                         Qt::AlignCenter | Qt::TextWordWrap, emptyHint_);
    }
}

}  // namespace varden
