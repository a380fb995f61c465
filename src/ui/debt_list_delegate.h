#pragma once

// Draws the rows of the main window's debt list: the texts in the 20-unit column grid,
// grey column lines and a line under each row.

#include <QStyledItemDelegate>
#include <functional>

#include "ui/debt_grid.h"

namespace ui {

class DebtListDelegate : public QStyledItemDelegate {
  public:
    struct Source {
        std::function<DebtRowTexts(int row)> rowTexts;
        std::function<double()> scaleX;
        std::function<bool()> stopped;  // ShutdownDone: draw nothing any more
    };

    DebtListDelegate(Source source, QObject* parent)
        : QStyledItemDelegate(parent), source_(std::move(source)) {}

    void setRowHeight(int height) { rowHeight_ = height; }
    int rowHeight() const { return rowHeight_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    Source source_;
    int rowHeight_ = 17;
};

}  // namespace ui
