#include "reports/preview/print_settings.h"

#include <algorithm>

namespace reports {

std::vector<int> pagesToPrint(bool allPages, int firstPage, int lastPage, int pageCount) {
    int first = allPages ? 1 : std::max(1, firstPage);
    int last = allPages || lastPage < 0 ? pageCount : std::min(lastPage, pageCount);
    std::vector<int> pages;
    for (int page = first; page <= last; ++page)
        pages.push_back(page);
    return pages;
}

}  // namespace reports
