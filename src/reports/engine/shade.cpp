#include "reports/engine/shade.h"

#include <algorithm>

namespace reports {
namespace {

std::uint8_t lighten(std::uint8_t c, int intensity) {
    const int value = c + (100 - intensity) * (255 - c) / 100;
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

Color lightenShade(Color shade, int intensity) {
    const int capped = std::clamp(intensity, 0, 100);
    return Color{lighten(shade.red, capped), lighten(shade.green, capped),
                 lighten(shade.blue, capped)};
}

}  // namespace reports
