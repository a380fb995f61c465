#pragma once

// The one routine that draws a report page: the preview, printing and PDF export all
// replay the page's drawing operations through it. The page is drawn with its top-left
// corner at `origin` (device pixels) and `dotsPerInch` device pixels to the inch.

#include <QPainter>
#include <QPointF>

#include "reports/engine/page_stream.h"

namespace reports {

struct PagePlacement {
    QPointF origin;
    double dotsPerInch = 96;
};

// Draws the page's operations; paints the paper white first when `paintPaper` is set.
void paintPage(QPainter& painter, const Page& page, const PagePlacement& placement,
               bool paintPaper = true);

}  // namespace reports
