#pragma once

// What the report windows need from the rest of the program: a few settings, window
// positions and toolbar layouts, screen fonts, help and a file chooser. The program plugs
// in its configuration object here; MemoryReportWindowServices keeps everything in memory
// (tests, and any caller without settings).

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

#include "reports/engine/font_description.h"

class QMainWindow;
class QWidget;

namespace reports {

class ReportWindowServices {
  public:
    virtual ~ReportWindowServices() = default;

    // "Zoom Percentage" of section "ReportsForm"; 0 when never stored.
    virtual double zoomPercentage() const = 0;
    virtual void setZoomPercentage(double percent) = 0;
    // Writes section "ReportsForm" to the store.
    virtual void saveReportsFormSection() = 0;

    // "Use Temporary Footer", and writing the section that holds it.
    virtual bool useTempFooter() const = 0;
    virtual void setUseTempFooter(bool on) = 0;
    virtual void saveTempFooterSection() = 0;
    // The "TempFooter Font" settings.
    virtual FontSpec tempFooterFont() const = 0;

    // "Button Alignment": 0 left, 1 centre, 2 right.
    virtual int buttonAlignment() const = 0;
    // The program's display name ("Zelvane" unless customized).
    virtual std::string displayName() const = 0;

    // Window bounds under a value name; false when none were stored (the window is then
    // centred by the caller).
    virtual bool loadFormPosition(QWidget& form, const QString& name) = 0;
    virtual void saveFormPosition(QWidget& form, const QString& name) = 0;
    // Toolbar layout (QMainWindow::saveState bytes) under the form's name; empty when none.
    virtual QByteArray loadToolbarLayout(const QString& formName) = 0;
    virtual void saveToolbarLayout(const QString& formName, const QByteArray& state) = 0;

    // The configured screen fonts, and the menu style and animation of the menu bars.
    virtual void applyScreenFonts(QWidget& form) { (void)form; }
    virtual void applyMenuAppearance(QMainWindow& window) { (void)window; }

    // Opens a help topic ("Report_Preview.htm", ...).
    virtual void showHelp(const QString& topic) { (void)topic; }
    // Asks where to save a PDF file; nothing when the user cancels.
    virtual std::optional<QString> askPdfFileName(QWidget* parent, const QString& suggested);
};

}  // namespace reports
