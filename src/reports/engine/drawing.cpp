#include "reports/engine/drawing.h"

namespace reports {

BrushStyle brushStyleFromPattern(int pattern) {
    if (pattern < 0 || pattern > static_cast<int>(BrushStyle::Vertical))
        return BrushStyle::Solid;
    return static_cast<BrushStyle>(pattern);
}

}  // namespace reports
