#include "reports/engine/font_description.h"

namespace reports {

FontSpec FontSpec::fromStyleFlags(std::string name, double size, Color color, std::uint8_t style) {
    FontSpec f;
    f.name = std::move(name);
    f.size = size;
    f.color = color;
    f.bold = (style & 1) != 0;
    f.italic = (style & 2) != 0;
    f.underline = (style & 4) != 0;
    f.strikeout = (style & 8) != 0;
    return f;
}

std::uint8_t FontSpec::styleFlags() const {
    return static_cast<std::uint8_t>((bold ? 1 : 0) | (italic ? 2 : 0) | (underline ? 4 : 0) |
                                     (strikeout ? 8 : 0));
}

}  // namespace reports
