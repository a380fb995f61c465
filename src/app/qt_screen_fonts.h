#pragma once

// Applies the configured screen fonts to a window's controls by their kind: labels, list
// boxes, check boxes, radio buttons and group boxes take the "Label Font" name, style and
// colour (their size stays); grids, edits, spin boxes and combo boxes take the "Edit Font";
// push buttons the "Button Font". The debt list ("lstbxDebt") then takes the "Debt Info
// Font" colour, size and style, and its name too on the main window ("MainWin").

#include <QColor>
#include <QFont>
#include <QWidget>

#include "settings/config_manager.h"

namespace app {

// A stored colour 0x00BBGGRR.
QColor colorFromStored(std::int32_t color);

void ApplyScreenFonts(QWidget* form, const settings::TConfigManager& config);

}  // namespace app
