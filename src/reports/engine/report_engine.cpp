#include "reports/engine/report_engine.h"

#include <cmath>
#include <stdexcept>

#include "reports/engine/shade.h"
#include "reports/engine/status_format.h"
#include "reports/engine/utf8_text.h"

namespace reports {
namespace {

// Allowance for rounding in inch arithmetic (a millionth of an inch is far below a dot).
constexpr double kEpsilon = 1e-9;

std::size_t slotIndex(int slot, int count, const char* what) {
    if (slot < 1 || slot > count) {
        throw std::out_of_range(std::string(what) + " " + std::to_string(slot) + " is outside 1.." +
                                std::to_string(count));
    }
    return static_cast<std::size_t>(slot - 1);
}

}  // namespace

ReportEngine::ReportEngine(const TextMeasurer& measurer) : measurer_(measurer) {
    metrics_ = measurer_.metrics(font_);
    sectionBottom_ = pageHeight() - bottomMargin_;
}

// ---- Running

void ReportEngine::execute(PageSink& output) {
    aborted_ = false;
    running_ = true;
    pageNumber_ = 0;
    try {
        output.beginReport();
        if (onBeforePrint)
            onBeforePrint(*this);
        while (!aborted_) {
            startPage();
            updateStatus();
            if (onIdle)
                onIdle();
            if (aborted_)
                break;
            if (onPrintHeader)
                onPrintHeader(*this);
            const bool more = onPrintPage ? onPrintPage(*this) : false;
            if (onPrintFooter)
                onPrintFooter(*this);
            output.addPage(std::move(page_));
            page_ = Page{};
            if (onIdle)
                onIdle();
            if (!more)
                break;
        }
    } catch (...) {
        running_ = false;
        output.endReport(true);
        throw;
    }
    running_ = false;
    output.endReport(aborted_);
    if (onAfterPrint)
        onAfterPrint(*this);
}

void ReportEngine::startPage() {
    ++pageNumber_;
    page_ = Page{};
    page_.width = pageWidth();
    page_.height = pageHeight();
    sectionTop_ = topMargin_;
    sectionBottom_ = pageHeight() - bottomMargin_;
    home();
    bottomsAbove_.clear();
}

// ---- Paper

void ReportEngine::setPaperSize(double width, double height) {
    paperWidth_ = width;
    paperHeight_ = height;
}

double ReportEngine::pageWidth() const {
    return orientation_ == Orientation::Portrait ? paperWidth_ : paperHeight_;
}

double ReportEngine::pageHeight() const {
    return orientation_ == Orientation::Portrait ? paperHeight_ : paperWidth_;
}

// ---- Position

void ReportEngine::setSectionTop(double y) {
    sectionTop_ = y;
    setYPos(y);
}

void ReportEngine::home() {
    xPos_ = leftMargin_;
    setYPos(sectionTop_);
}

void ReportEngine::setYPos(double y) {
    yPos_ = y;
    startLine();
}

void ReportEngine::newLine() {
    yPos_ += metrics_.lineHeight;
    xPos_ = leftMargin_;
    startLine();
}

void ReportEngine::startLine() {
    nextTab_ = 0;
    lineOpsStart_ = page_.ops.size();
    if (!lineBottoms_.empty())
        bottomsAbove_ = std::move(lineBottoms_);
    lineBottoms_.clear();
    lastRightLine_.reset();
}

int ReportEngine::linesLeft() const {
    if (metrics_.lineHeight <= 0)
        return 0;
    const double lines = std::floor((sectionBottom_ - yPos_) / metrics_.lineHeight + kEpsilon);
    return lines < 0 ? 0 : static_cast<int>(lines);
}

// ---- Fonts

void ReportEngine::setFont(const FontSpec& font) {
    font_ = font;
    metrics_ = measurer_.metrics(font_);
}

void ReportEngine::saveFont(int slot) {
    fontSlots_[slotIndex(slot, kFontSlots, "font slot")] = font_;
}

void ReportEngine::restoreFont(int slot) {
    setFont(fontSlots_[slotIndex(slot, kFontSlots, "font slot")]);
}

const FontSpec& ReportEngine::fontSlot(int slot) const {
    return fontSlots_[slotIndex(slot, kFontSlots, "font slot")];
}

FontMetrics ReportEngine::slotMetrics(int slot) const {
    return measurer_.metrics(fontSlot(slot));
}

double ReportEngine::textWidth(std::string_view text) const {
    return measurer_.textWidth(font_, text);
}

std::string ReportEngine::fitText(std::string_view text, double width) const {
    std::string out(text);
    while (!out.empty() && textWidth(out) > width + kEpsilon)
        utf8DropLast(out);
    return out;
}

// ---- Text

void ReportEngine::addOp(DrawOp op) {
    page_.ops.push_back(std::move(op));
}

void ReportEngine::addText(std::string_view text, double x, double baselineY, Justify align) {
    if (text.empty())
        return;
    TextOp op;
    op.x = x;
    op.baseline = baselineY;
    op.align = align;
    op.font = font_;
    op.text = std::string(text);
    op.width = textWidth(text);
    addOp(std::move(op));
}

void ReportEngine::printLeft(std::string_view text, double x) {
    addText(text, x, baseline(), Justify::Left);
}

void ReportEngine::printCenter(std::string_view text, double x) {
    addText(text, x, baseline(), Justify::Center);
}

void ReportEngine::printRight(std::string_view text, double x) {
    addText(text, x, baseline(), Justify::Right);
}

void ReportEngine::textAt(double x, double baselineY, std::string_view text, Justify align) {
    addText(text, x, baselineY, align);
}

void ReportEngine::printTextAtX(std::string_view text) {
    if (text.empty())
        return;
    addText(text, xPos_, baseline(), Justify::Left);
    xPos_ += textWidth(text);
}

void ReportEngine::print(std::string_view text) {
    std::size_t start = 0;
    std::size_t tab = text.find('\t');
    printTextAtX(text.substr(0, tab));
    while (tab != std::string_view::npos) {
        start = tab + 1;
        tab = text.find('\t', start);
        const auto cell =
            tab == std::string_view::npos ? text.substr(start) : text.substr(start, tab - start);
        printCell(cell);
    }
}

void ReportEngine::println(std::string_view text) {
    print(text);
    newLine();
}

void ReportEngine::printCell(std::string_view text) {
    if (nextTab_ >= tabs_.size()) {
        // More cells than tab stops: the text simply follows on the line.
        printTextAtX(text);
        return;
    }
    const TabStop& stop = tabs_[nextTab_++];
    const double top = yPos_;
    const double bottom = yPos_ + metrics_.lineHeight;
    if (stop.shade > 0) {
        RectOp fill;
        fill.left = stop.left;
        fill.top = top;
        fill.right = stop.right();
        fill.bottom = bottom;
        fill.brush = Brush{lightenShade(shadeColor_, stop.shade), BrushStyle::Solid};
        page_.ops.insert(page_.ops.begin() + static_cast<std::ptrdiff_t>(lineOpsStart_),
                         DrawOp{fill});
        ++lineOpsStart_;
    }
    drawCellBorders(stop, top, bottom);
    addText(text, stop.textAnchor(), baseline(), stop.justify);
    xPos_ = stop.right();
}

void ReportEngine::drawCellBorders(const TabStop& stop, double top, double bottom) {
    const Pen gridPen;
    auto same = [](double a, double b) { return std::abs(a - b) < kEpsilon; };
    const bool leftDrawn = lastRightLine_ && same(*lastRightLine_, stop.left);
    if ((stop.borders & border::kLeft) && !leftDrawn) {
        addOp(LineOp{stop.left, top, stop.left, bottom, gridPen});
    }
    lastRightLine_.reset();
    if (stop.borders & border::kRight) {
        addOp(LineOp{stop.right(), top, stop.right(), bottom, gridPen});
        lastRightLine_ = stop.right();
    }
    // A shaded cell covers half of the line above it, so it draws its top line again.
    bool topDrawn = false;
    if (stop.shade <= 0) {
        for (const Segment& s : bottomsAbove_) {
            if (same(s.at, top) && same(s.from, stop.left) && same(s.to, stop.right())) {
                topDrawn = true;
                break;
            }
        }
    }
    if ((stop.borders & border::kTop) && !topDrawn) {
        addOp(LineOp{stop.left, top, stop.right(), top, gridPen});
    }
    if (stop.borders & border::kBottom) {
        addOp(LineOp{stop.left, bottom, stop.right(), bottom, gridPen});
        lineBottoms_.push_back(Segment{stop.left, stop.right(), bottom});
    }
}

// ---- Tabs

void ReportEngine::clearTabs() {
    tabs_.clear();
    nextTab_ = 0;
}

void ReportEngine::setTab(std::optional<double> position, Justify justify, double width,
                          double margin, int borders, int shade) {
    tabs_.add(position, justify, width, margin, borders, shade, leftMargin_);
}

void ReportEngine::saveTabs(int set) {
    tabSets_[slotIndex(set, kTabSets, "tab set")] = tabs_;
}

void ReportEngine::restoreTabs(int set) {
    tabs_ = tabSets_[slotIndex(set, kTabSets, "tab set")];
    nextTab_ = 0;
}

// ---- Graphics

void ReportEngine::line(double x1, double y1, double x2, double y2) {
    addOp(LineOp{x1, y1, x2, y2, pen_});
}

void ReportEngine::rectangle(double left, double top, double right, double bottom) {
    addOp(RectOp{left, top, right, bottom, pen_, brush_});
}

void ReportEngine::fillRect(double left, double top, double right, double bottom) {
    addOp(RectOp{left, top, right, bottom, std::nullopt, brush_});
}

void ReportEngine::frameRect(double left, double top, double right, double bottom, Color color) {
    addOp(RectOp{left, top, right, bottom, Pen{color, pen_.width}, std::nullopt});
}

// ---- Status

std::string ReportEngine::statusText() const {
    return formatStatus(statusFormat_, pageNumber_, statusLines_);
}

void ReportEngine::updateStatus() {
    if (statusListener_)
        statusListener_(statusText());
}

// ---- Output devices

void ReportEngine::setOutputDevices(std::vector<std::string> devices) {
    devices_ = std::move(devices);
    if (selectedDevice_ >= static_cast<int>(devices_.size()))
        selectedDevice_ = -1;
}

void ReportEngine::selectOutputDevice(int index) {
    if (index >= 0 && index < static_cast<int>(devices_.size()))
        selectedDevice_ = index;
}

}  // namespace reports
