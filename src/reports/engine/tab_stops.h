#pragma once

// Tab stops: the cells of a table row. Each stop has a left edge and a width (inches from
// the paper's left edge), a justification, an inner margin on each side, border lines and
// a shade intensity.

#include <optional>
#include <vector>

#include "reports/engine/drawing.h"

namespace reports {

// Border line bits of a tab stop.
namespace border {
inline constexpr int kLeft = 1;
inline constexpr int kRight = 2;
inline constexpr int kTop = 4;
inline constexpr int kBottom = 8;
inline constexpr int kNone = 0;
inline constexpr int kAll = kLeft | kRight | kTop | kBottom;
}  // namespace border

struct TabStop {
    double left = 0;
    double width = 0;
    Justify justify = Justify::Left;
    double margin = 0;
    int borders = border::kNone;
    int shade = 0;  // percent of the shade colour, 0 = not shaded

    double right() const { return left + width; }
    // Where the cell's text is anchored for its justification.
    double textAnchor() const;
    // Room for text: the width less both inner margins (never below 0).
    double textWidth() const;

    friend bool operator==(const TabStop&, const TabStop&) = default;
};

class TabStops {
  public:
    // Adds a stop. Without a position it starts where the previous stop ends, or at
    // `lineStart` when it is the first one.
    void add(std::optional<double> position, Justify justify, double width, double margin,
             int borders, int shade, double lineStart);
    void clear() { stops_.clear(); }
    bool empty() const { return stops_.empty(); }
    std::size_t size() const { return stops_.size(); }
    const TabStop& operator[](std::size_t i) const { return stops_[i]; }
    const std::vector<TabStop>& stops() const { return stops_; }

    friend bool operator==(const TabStops&, const TabStops&) = default;

  private:
    std::vector<TabStop> stops_;
};

}  // namespace reports
