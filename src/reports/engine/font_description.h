#pragma once

// One font as reports use it: family name, size in points, colour and style.

#include <cstdint>
#include <string>

#include "reports/engine/drawing.h"

namespace reports {

struct FontSpec {
    std::string name = "Tahoma";
    double size = 10;  // points
    Color color = Color::black();
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    // The style byte of a configured font: 1 bold, 2 italic, 4 underline, 8 strikeout.
    static FontSpec fromStyleFlags(std::string name, double size, Color color, std::uint8_t style);
    std::uint8_t styleFlags() const;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The blank-line font of every report: Tahoma, 10 points, regular, black.
inline FontSpec spacerFont() {
    return FontSpec{};
}

}  // namespace reports
