#include "ui/debt_list_delegate.h"

#include <QPainter>

#include "app/activity_trail.h"

namespace ui {

void DebtListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    if (source_.stopped && source_.stopped())
        return;
    const int row = index.row();
    app::ScopedActivity activity("TMainWin.lstBxDebtDrawItem: Index: " + std::to_string(row));

    const QWidget* list = option.widget;
    const DebtGrid grid(list ? list->width() : option.rect.width(),
                        source_.scaleX ? source_.scaleX() : 1.0);
    const QRect r = option.rect;
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const QPalette& palette = option.palette;

    painter->save();
    painter->fillRect(r, selected ? palette.highlight() : palette.base());
    painter->setFont(option.font);
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());

    const DebtRowTexts t = source_.rowTexts ? source_.rowTexts(row) : DebtRowTexts{};
    const int left = r.left();
    const QRect nameRect(left + DebtGrid::kNameLeft, r.top(), grid.at(5) - DebtGrid::kNameLeft - 2,
                         r.height());
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      QString::fromStdString(t.name));
    const std::array<const std::string*, 6> columns{&t.balance, &t.minimum,  &t.current,
                                                    &t.rate,    &t.priority, &t.payDay};
    const std::array<int, 6> rights = grid.rightEdges();
    const std::array<int, 6> lefts{grid.at(5),  grid.at(8),  grid.at(11),
                                   grid.at(14), grid.at(18), grid.at(19)};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const QRect cell(left + lefts[c], r.top(), rights[c] - lefts[c], r.height());
        painter->drawText(cell, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine,
                          QString::fromStdString(*columns[c]));
    }

    painter->setPen(QPen(QColor(128, 128, 128), 1, Qt::SolidLine));
    for (int units : DebtGrid::kLines) {
        const int x = left + grid.at(units);
        painter->drawLine(x, r.top(), x, r.bottom());
    }
    painter->drawLine(r.left(), r.bottom() - 1, r.right(), r.bottom() - 1);
    painter->restore();
}

QSize DebtListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), rowHeight_};
}

}  // namespace ui
