#pragma once

// Report window services held in plain members: settings live as long as the object, window
// positions and toolbar layouts are kept per name, help requests are recorded, and the PDF
// file name is given in advance.

#include <QMap>
#include <QRect>
#include <QStringList>

#include "reports/preview/report_window_services.h"

namespace reports {

class MemoryReportWindowServices : public ReportWindowServices {
  public:
    double zoom = 0;
    bool tempFooterOn = false;
    FontSpec tempFont;
    int alignment = 2;
    std::string name = "Zelvane";
    QMap<QString, QRect> positions;
    QMap<QString, QByteArray> toolbarLayouts;
    QStringList helpTopics;
    std::optional<QString> pdfFileName;
    int reportsFormSaves = 0;
    int tempFooterSaves = 0;

    double zoomPercentage() const override { return zoom; }
    void setZoomPercentage(double percent) override { zoom = percent; }
    void saveReportsFormSection() override { ++reportsFormSaves; }
    bool useTempFooter() const override { return tempFooterOn; }
    void setUseTempFooter(bool on) override { tempFooterOn = on; }
    void saveTempFooterSection() override { ++tempFooterSaves; }
    FontSpec tempFooterFont() const override { return tempFont; }
    int buttonAlignment() const override { return alignment; }
    std::string displayName() const override { return name; }
    bool loadFormPosition(QWidget& form, const QString& key) override;
    void saveFormPosition(QWidget& form, const QString& key) override;
    QByteArray loadToolbarLayout(const QString& formName) override {
        return toolbarLayouts.value(formName);
    }
    void saveToolbarLayout(const QString& formName, const QByteArray& state) override {
        toolbarLayouts.insert(formName, state);
    }
    void showHelp(const QString& topic) override { helpTopics << topic; }
    std::optional<QString> askPdfFileName(QWidget*, const QString&) override { return pdfFileName; }
};

}  // namespace reports
