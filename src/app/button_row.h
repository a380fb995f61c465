#pragma once

// The layout of a dialog's row of command buttons by the setting "Button Alignment".

namespace app {

enum class ButtonAlignment { Left = 0, Centre = 1, Right = 2 };

// Kind of a button in the call order: the first from the left (or of a centred group),
// any following button, or the first from the right.
enum ButtonKind { kFirstFromLeft = 0, kFollowing = 1, kFirstFromRight = 2 };

struct ButtonRowState {
    ButtonAlignment mode = ButtonAlignment::Right;
    int lastLeft = -1;  // left edge of the button placed last; -1 none yet
    static constexpr int kMargin = 11;
    static constexpr int kGap = 8;
};

// Returns the new left edge of a button of `width` whose left edge is `currentLeft`,
// for reference width `rowWidth`, group size `groupSize` and scale factor `scale`, and
// records it as the last left edge. A following button stays put while no button has
// been placed yet.
int PlaceButton(ButtonRowState& state, int kind, int width, int currentLeft, int rowWidth,
                int groupSize, double scale);

}  // namespace app
