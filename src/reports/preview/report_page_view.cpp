#include "reports/preview/report_page_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "reports/preview/zoom_steps.h"
#include "reports/render/page_painter.h"

namespace reports {

ReportPageView::ReportPageView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MyFilePreview"));
    setAutoFillBackground(false);
    updateSize();
}

void ReportPageView::setStream(const PageStream* stream) {
    stream_ = stream;
    page_ = 0;
    showPage(1);
    updateSize();
}

int ReportPageView::pageCount() const {
    return stream_ == nullptr ? 0 : static_cast<int>(stream_->pageCount());
}

void ReportPageView::showPage(int page) {
    const int count = pageCount();
    const int wanted = count == 0 ? 0 : std::clamp(page, 1, count);
    if (wanted == page_)
        return;
    page_ = wanted;
    updateSize();
    update();
    Q_EMIT pageChanged(page_);
}

void ReportPageView::setZoom(double percent) {
    const double wanted = clampZoom(percent);
    if (std::abs(wanted - zoom_) < 1e-9)
        return;
    zoom_ = wanted;
    updateSize();
    update();
    Q_EMIT zoomChanged(zoom_);
}

double ReportPageView::screenDotsPerInch() const {
    const int dpi = logicalDpiX();
    return dpi > 0 ? dpi : 96;
}

QSizeF ReportPageView::pageInches() const {
    if (page_ < 1)
        return QSizeF(8.5, 11);
    const Page& page = stream_->page(static_cast<std::size_t>(page_));
    return QSizeF(page.width, page.height);
}

double ReportPageView::marginPx() const {
    return pageInches().width() * kPreviewMargin * pixelsPerInch();
}

QSize ReportPageView::sizeHint() const {
    const QSizeF inches = pageInches();
    const double m = marginPx();
    return QSize(static_cast<int>(std::ceil(inches.width() * pixelsPerInch() + 2 * m)),
                 static_cast<int>(std::ceil(inches.height() * pixelsPerInch() + 2 * m)));
}

void ReportPageView::updateSize() {
    resize(sizeHint());
}

void ReportPageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    if (page_ < 1)
        return;
    const double m = marginPx();
    paintPage(painter, stream_->page(static_cast<std::size_t>(page_)),
              PagePlacement{QPointF(m, m), pixelsPerInch()});
}

}  // namespace reports
