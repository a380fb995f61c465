#include "app/button_row.h"

namespace app {
namespace {

int truncated(double v) {
    return static_cast<int>(v);
}

}  // namespace

int PlaceButton(ButtonRowState& state, int kind, int width, int currentLeft, int rowWidth,
                int groupSize, double scale) {
    const double margin = ButtonRowState::kMargin * scale;
    const double gap = ButtonRowState::kGap * scale;
    const bool placedBefore = state.lastLeft != -1;
    int left = currentLeft;
    switch (state.mode) {
        case ButtonAlignment::Right:
            if (kind == kFirstFromRight) {
                left = truncated(rowWidth - width - margin);
            } else if (placedBefore) {
                left = truncated(state.lastLeft - width - gap);
            }
            break;
        case ButtonAlignment::Centre:
            if (kind == kFirstFromLeft && groupSize > 0 && rowWidth > 0) {
                left = truncated(rowWidth / 2.0 -
                                 ((groupSize - 1) * margin + groupSize * width) / 2.0);
            } else if (placedBefore) {
                left = truncated(state.lastLeft + width + gap);
            }
            break;
        case ButtonAlignment::Left:
            if (kind == kFirstFromLeft) {
                left = truncated(margin);
            } else if (placedBefore) {
                left = truncated(state.lastLeft + width + gap);
            }
            break;
    }
    state.lastLeft = left;
    return left;
}

}  // namespace app
