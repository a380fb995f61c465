#pragma once

// The Qt page layout of a report page: its paper size, its orientation and no margins
// (the report's own margins are part of the page's drawing).

#include <QPageLayout>
#include <QSizeF>

#include "reports/engine/page_stream.h"

namespace reports {

QPageLayout pageLayoutFor(const Page& page);

// Portrait paper size in inches of a Qt page layout (for the engine's setPaperSize).
QSizeF portraitPaperInches(const QPageLayout& layout);

}  // namespace reports
