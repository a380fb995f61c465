#pragma once

// A report page drawn into an image (thumbnails, checks).

#include <QImage>

#include "reports/engine/page_stream.h"

namespace reports {

QImage renderPageImage(const Page& page, double dotsPerInch);

}  // namespace reports
