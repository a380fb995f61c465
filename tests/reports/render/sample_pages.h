#pragma once

// Small report streams for renderer tests: numbered pages with a heading line and a
// boxed, shaded table row, laid out by the engine with the real fonts.

#include <string>

#include "reports/engine/page_stream.h"
#include "reports/engine/report_engine.h"

namespace reports::testing_pages {

inline PageStream numberedPages(const TextMeasurer& measurer, int count,
                                Orientation orientation = Orientation::Portrait) {
    ReportEngine engine(measurer);
    engine.setOrientation(orientation);
    engine.onPrintPage = [count](ReportEngine& e) {
        e.printCenter("Sample Report Page " + std::to_string(e.currentPage()), e.pageWidth() / 2);
        e.newLine();
        e.clearTabs();
        e.setTab(std::nullopt, Justify::Left, 2.0, 0.02, border::kAll, 18);
        e.setTab(std::nullopt, Justify::Right, 1.5, 0.02, border::kAll, 0);
        e.println("\tVisa\t1,234.56");
        return e.currentPage() < count;
    };
    PageStream stream;
    engine.execute(stream);
    return stream;
}

}  // namespace reports::testing_pages
