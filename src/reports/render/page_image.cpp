#include "reports/render/page_image.h"

#include <QPainter>
#include <cmath>

#include "reports/render/page_painter.h"

namespace reports {

QImage renderPageImage(const Page& page, double dotsPerInch) {
    const int width = std::max(1, static_cast<int>(std::lround(page.width * dotsPerInch)));
    const int height = std::max(1, static_cast<int>(std::lround(page.height * dotsPerInch)));
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, PagePlacement{QPointF(0, 0), dotsPerInch});
    painter.end();
    return image;
}

}  // namespace reports
