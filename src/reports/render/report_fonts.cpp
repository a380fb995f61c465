#include "reports/render/report_fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <algorithm>
#include <cmath>

namespace reports {

QFont toQFont(const FontSpec& spec) {
    QFont font(QString::fromStdString(spec.name));
    font.setPointSizeF(spec.size > 0 ? spec.size : 1.0);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeout);
    // Unhinted outlines scale evenly, so a page measured at one resolution looks the same
    // at every other (screen, printer, PDF).
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

PixelScale pixelScaleFor(double points, double dotsPerInch) {
    const double wanted = std::max(0.01, points * dotsPerInch / 72.0);
    PixelScale scale;
    scale.pixelSize = std::max(1, static_cast<int>(std::lround(wanted)));
    scale.factor = wanted / scale.pixelSize;
    return scale;
}

QStringList reportFontFolders() {
    return {QStringLiteral("/usr/share/wine/fonts"), QStringLiteral("/usr/lib/wine/fonts"),
            QStringLiteral("/usr/share/fonts/truetype/wine")};
}

bool registerReportFonts() {
    static bool registered = false;
    if (!registered) {
        registered = true;
        for (const QString& folder : reportFontFolders()) {
            const QDir dir(folder);
            const QString regular = dir.filePath(QStringLiteral("tahoma.ttf"));
            if (!QFileInfo::exists(regular))
                continue;
            QFontDatabase::addApplicationFont(regular);
            const QString bold = dir.filePath(QStringLiteral("tahomabd.ttf"));
            if (QFileInfo::exists(bold))
                QFontDatabase::addApplicationFont(bold);
            break;
        }
    }
    return QFontDatabase::families().contains(QStringLiteral("Tahoma"));
}

}  // namespace reports
