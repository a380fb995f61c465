#pragma once

// The colour of a shaded cell: the shade colour lightened towards white. Intensity is a
// percentage (capped at 100); each component c becomes c + (100 - intensity) * (255 - c) / 100,
// in whole numbers. An intensity of 0 or below means the cell is not shaded at all.

#include "reports/engine/drawing.h"

namespace reports {

Color lightenShade(Color shade, int intensity);

}  // namespace reports
