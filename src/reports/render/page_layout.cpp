#include "reports/render/page_layout.h"

#include <QMarginsF>
#include <QPageSize>
#include <algorithm>

namespace reports {

QPageLayout pageLayoutFor(const Page& page) {
    const QSizeF portrait(std::min(page.width, page.height), std::max(page.width, page.height));
    const QPageSize size(portrait, QPageSize::Inch);
    const auto orientation = page.orientation() == Orientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
}

QSizeF portraitPaperInches(const QPageLayout& layout) {
    const QSizeF size = layout.pageSize().size(QPageSize::Inch);
    return QSizeF(std::min(size.width(), size.height()), std::max(size.width(), size.height()));
}

}  // namespace reports
