#pragma once

// The pages of a report as drawing operations in inches, measured from the paper's top-left
// corner. The engine hands finished pages to a PageSink; PageStream keeps them in memory
// for the preview, printing and PDF export, which replay them with the same painter routine.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "reports/engine/drawing.h"
#include "reports/engine/font_description.h"

namespace reports {

// A text on one baseline. `x` is the anchor: the left end for Left, the middle for Center,
// the right end for Right; renderers place the text from the anchor with their own
// measurement, so alignment holds at every resolution. `width` is the engine's measurement.
struct TextOp {
    double x = 0;
    double baseline = 0;
    Justify align = Justify::Left;
    FontSpec font;
    std::string text;  // UTF-8
    double width = 0;

    // Left end of the text as the engine measured it.
    double left() const;
};

struct LineOp {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Pen pen;
};

// A rectangle, filled with `brush` when set and outlined with `pen` when set.
struct RectOp {
    double left = 0, top = 0, right = 0, bottom = 0;
    std::optional<Pen> pen;
    std::optional<Brush> brush;
};

using DrawOp = std::variant<TextOp, LineOp, RectOp>;

struct Page {
    double width = 8.5;
    double height = 11;
    std::vector<DrawOp> ops;

    Orientation orientation() const {
        return width > height ? Orientation::Landscape : Orientation::Portrait;
    }
    // The text operations in drawing order (handy for checks and searches).
    std::vector<const TextOp*> texts() const;
    // All texts of the page joined with "\n", in drawing order.
    std::string plainText() const;
};

class PageSink {
  public:
    virtual ~PageSink() = default;
    virtual void beginReport() {}
    virtual void addPage(Page page) = 0;
    virtual void endReport(bool aborted) { (void)aborted; }
};

// The memory stream of a report: every page, in order. Pages are numbered from 1.
class PageStream final : public PageSink {
  public:
    void beginReport() override { pages_.clear(); }
    void addPage(Page page) override { pages_.push_back(std::move(page)); }

    std::size_t pageCount() const { return pages_.size(); }
    bool empty() const { return pages_.empty(); }
    // Page `number` (1..pageCount()); throws std::out_of_range for any other number.
    const Page& page(std::size_t number) const;
    const std::vector<Page>& pages() const { return pages_; }

  private:
    std::vector<Page> pages_;
};

}  // namespace reports
