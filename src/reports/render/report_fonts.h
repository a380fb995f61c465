#pragma once

// Qt fonts for report fonts, and the registration of the Tahoma font that reports use by
// default. fontconfig does not look into Wine's font folder, so without registration
// "Tahoma" would silently become another family and every measurement would change.

#include <QFont>
#include <QStringList>

#include "reports/engine/font_description.h"

namespace reports {

// The Qt font for a report font at its point size (colour is the painter's business).
QFont toQFont(const FontSpec& spec);

// A font's size in device pixels is whole; other sizes are reached by scaling. For a font
// of `points` at `dotsPerInch`: the whole pixel size to set and the factor to scale by.
struct PixelScale {
    int pixelSize = 1;
    double factor = 1;
};
PixelScale pixelScaleFor(double points, double dotsPerInch);

// Folders searched for tahoma.ttf and tahomabd.ttf, in order.
QStringList reportFontFolders();

// Registers Wine's Tahoma (regular and bold) with the application's font database, once
// per program run. Returns true when "Tahoma" is available afterwards. Needs a
// QGuiApplication.
bool registerReportFonts();

}  // namespace reports
