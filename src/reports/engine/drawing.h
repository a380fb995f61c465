#pragma once

// The plain values a report page is drawn with: colours, pens, brushes, justification and
// page orientation. All lengths are inches.

#include <cstdint>

namespace reports {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // Settings keep colours the Windows way, 0x00BBGGRR.
    static constexpr Color fromColorRef(std::uint32_t bgr) {
        return Color{static_cast<std::uint8_t>(bgr & 0xFF),
                     static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
                     static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
    }
    constexpr std::uint32_t toColorRef() const {
        return static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
               (static_cast<std::uint32_t>(blue) << 16);
    }
    static constexpr Color black() { return Color{0, 0, 0}; }
    static constexpr Color white() { return Color{255, 255, 255}; }

    friend constexpr bool operator==(const Color&, const Color&) = default;
};

// Thin lines of grids and frames.
inline constexpr double kDefaultPenWidth = 0.01;

struct Pen {
    Color color = Color::black();
    double width = kDefaultPenWidth;

    friend constexpr bool operator==(const Pen&, const Pen&) = default;
};

// Fill styles in the order the graph pattern settings number them (0 solid .. 6 vertical).
enum class BrushStyle {
    Solid,
    BackwardDiagonal,
    ForwardDiagonal,
    Cross,
    DiagonalCross,
    Horizontal,
    Vertical,
};

// The pattern setting's number as a style; any number outside 0..6 is solid.
BrushStyle brushStyleFromPattern(int pattern);

struct Brush {
    Color color = Color::white();
    BrushStyle style = BrushStyle::Solid;

    friend constexpr bool operator==(const Brush&, const Brush&) = default;
};

enum class Justify { Left, Center, Right };

enum class Orientation { Portrait, Landscape };

}  // namespace reports
