#pragma once

// The file preview: shows one page of a report stream at a zoom factor, with a blank
// border around the paper. It sizes itself to the zoomed page, so a scroll area around it
// scrolls over the page.

#include <QWidget>

#include "reports/engine/page_stream.h"

namespace reports {

class ReportPageView : public QWidget {
    Q_OBJECT

  public:
    explicit ReportPageView(QWidget* parent = nullptr);

    // The stream must outlive the view. Shows its first page.
    void setStream(const PageStream* stream);
    int pageCount() const;
    int currentPage() const { return page_; }
    // Pages outside 1..pageCount are brought inside.
    void showPage(int page);
    double zoom() const { return zoom_; }
    void setZoom(double percent);
    // Screen pixels per inch at 100 percent.
    double screenDotsPerInch() const;
    // The page's size in inches (Letter when there is no page).
    QSizeF pageInches() const;

    QSize sizeHint() const override;

  Q_SIGNALS:
    void pageChanged(int page);
    void zoomChanged(double percent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double pixelsPerInch() const { return screenDotsPerInch() * zoom_ / 100; }
    double marginPx() const;
    void updateSize();

    const PageStream* stream_ = nullptr;
    int page_ = 0;
    double zoom_ = 100;
};

}  // namespace reports
