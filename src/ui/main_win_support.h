#pragma once

// Small helpers shared by the source files of the main window (not part of its interface).

#include <QByteArray>
#include <QPixmap>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "plan/new_plan.h"

namespace ui::main_win_detail {

constexpr const char* kMainWindowName = "MainWin";
constexpr int kDesignedWidth = 681;
constexpr int kDesignedHeight = 437;

inline std::vector<std::uint8_t> toBytes(const QByteArray& a) {
    return std::vector<std::uint8_t>(a.begin(), a.end());
}

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

inline int clampIndex(int value, int count) {
    return std::clamp(value, 0, count - 1);
}

// Today's date from the system clock.
plan::Date systemToday();

// A small filled triangle for the sort arrows.
QPixmap arrow(bool up);

}  // namespace ui::main_win_detail
