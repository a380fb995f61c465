#include "reports/engine/tab_stops.h"

#include <algorithm>

namespace reports {

double TabStop::textAnchor() const {
    switch (justify) {
        case Justify::Left:
            return left + margin;
        case Justify::Center:
            return left + width / 2;
        case Justify::Right:
            return right() - margin;
    }
    return left + margin;
}

double TabStop::textWidth() const {
    return std::max(0.0, width - 2 * margin);
}

void TabStops::add(std::optional<double> position, Justify justify, double width, double margin,
                   int borders, int shade, double lineStart) {
    TabStop stop;
    if (position) {
        stop.left = *position;
    } else {
        stop.left = stops_.empty() ? lineStart : stops_.back().right();
    }
    stop.width = width;
    stop.justify = justify;
    stop.margin = margin;
    stop.borders = borders;
    stop.shade = shade;
    stops_.push_back(stop);
}

}  // namespace reports
