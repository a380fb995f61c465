#pragma once

// The report engine. A report generator binds the five page events, then calls execute():
// the engine opens page after page, calls the header, page and footer events on each, and
// hands every finished page to the output sink (a PageStream for the preview and PDF, a
// printer sink for printing). Inside the events the generator prints with the operations
// below: inches throughout, measured from the paper's top-left corner.
//
// The print position is the top of the current line and an x position. Texts of a line
// stand on its baseline, one ascent of the current font below the line top; newLine()
// moves down by the current font's line height.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/engine/drawing.h"
#include "reports/engine/font_description.h"
#include "reports/engine/page_stream.h"
#include "reports/engine/tab_stops.h"
#include "reports/engine/text_measurer.h"

namespace reports {

class ReportEngine {
  public:
    static constexpr int kFontSlots = 10;
    static constexpr int kTabSets = 4;

    // The measurer must outlive the engine.
    explicit ReportEngine(const TextMeasurer& measurer);
    ReportEngine(const ReportEngine&) = delete;
    ReportEngine& operator=(const ReportEngine&) = delete;

    // ---- Events, bound by the generator. The page event returns true while more pages
    // follow. onIdle runs between pages so a window can keep handling input (Cancel).
    std::function<void(ReportEngine&)> onBeforePrint;
    std::function<void(ReportEngine&)> onPrintHeader;
    std::function<bool(ReportEngine&)> onPrintPage;
    std::function<void(ReportEngine&)> onPrintFooter;
    std::function<void(ReportEngine&)> onAfterPrint;
    std::function<void()> onIdle;

    // ---- Running
    // Runs the report into `output`: before-print, then header, page and footer for each
    // page until the page event returns false or the report is aborted, then after-print.
    void execute(PageSink& output);
    // Asks the running report to stop; it ends after the page being printed.
    void abort() { aborted_ = true; }
    bool aborted() const { return aborted_; }
    bool running() const { return running_; }
    // Number of the page being printed (1 for the first), 0 before the first page.
    int currentPage() const { return pageNumber_; }

    // ---- Paper, orientation and margins
    // The paper's portrait size; US Letter (8.5 x 11) until set.
    void setPaperSize(double width, double height);
    void setOrientation(Orientation orientation) { orientation_ = orientation; }
    Orientation orientation() const { return orientation_; }
    // The page as printed, after orientation.
    double pageWidth() const;
    double pageHeight() const;

    void setTopMargin(double inches) { topMargin_ = inches; }
    void setBottomMargin(double inches) { bottomMargin_ = inches; }
    void setLeftMargin(double inches) { leftMargin_ = inches; }
    void setRightMargin(double inches) { rightMargin_ = inches; }
    double topMargin() const { return topMargin_; }
    double bottomMargin() const { return bottomMargin_; }
    double leftMargin() const { return leftMargin_; }
    double rightMargin() const { return rightMargin_; }

    // ---- Section band and print position. Each page starts with the section from the
    // top margin to the bottom margin and the position at home.
    // Setting the section top also moves the print position to that line.
    void setSectionTop(double y);
    void setSectionBottom(double y) { sectionBottom_ = y; }
    double sectionTop() const { return sectionTop_; }
    double sectionBottom() const { return sectionBottom_; }
    // Moves to the first line of the section: x at the left margin, y at the section top.
    void home();
    double xPos() const { return xPos_; }
    double yPos() const { return yPos_; }
    void setXPos(double x) { xPos_ = x; }
    // Moves the current line's top to y (x and the tab cells start again).
    void setYPos(double y);
    // Ends the current line: down one line height of the current font, x at the left margin.
    void newLine();
    // Whole lines of the current font that fit between the line top and the section bottom.
    int linesLeft() const;

    // ---- Fonts
    void setFont(const FontSpec& font);
    const FontSpec& font() const { return font_; }
    // Slots 1..10; restoring a slot never saved gives the default font (Tahoma 10).
    void saveFont(int slot);
    void restoreFont(int slot);
    const FontSpec& fontSlot(int slot) const;
    // Measurements of a slot's font without making it current (for reserving space).
    FontMetrics slotMetrics(int slot) const;
    double slotLineHeight(int slot) const { return slotMetrics(slot).lineHeight; }
    double lineHeight() const { return metrics_.lineHeight; }
    double ascent() const { return metrics_.ascent; }
    const FontMetrics& fontMetrics() const { return metrics_; }
    double textWidth(std::string_view text) const;
    const TextMeasurer& measurer() const { return measurer_; }
    // The text with characters removed from its end until it fits `width` in the current
    // font; may become empty.
    std::string fitText(std::string_view text, double width) const;

    // ---- Text on the current line (on its baseline)
    void printLeft(std::string_view text, double x);
    void printCenter(std::string_view text, double x);
    void printRight(std::string_view text, double x);
    // Prints at the x position and moves it on. Each "\t" moves to the next tab stop, and
    // the text after it is printed in that cell (with the cell's borders and shading).
    void print(std::string_view text);
    // print(text), then newLine().
    void println(std::string_view text = {});
    // Prints `text` into the next tab cell of the line, without looking for tabs in it.
    void printCell(std::string_view text);
    // A text at an explicit place; the print position does not move.
    void textAt(double x, double baseline, std::string_view text, Justify align = Justify::Left);

    // ---- Tab stops
    void clearTabs();
    // Adds a stop at `position` (inches from the paper's left edge), or right after the
    // previous stop when no position is given (the first one at the left margin).
    void setTab(std::optional<double> position, Justify justify, double width, double margin,
                int borders, int shade);
    // Sets 1..4; restoring a set never saved gives no tab stops.
    void saveTabs(int set);
    void restoreTabs(int set);
    const TabStops& tabs() const { return tabs_; }
    // Colour that shaded cells are lightened from (see lightenShade).
    void setShadeColor(Color color) { shadeColor_ = color; }
    Color shadeColor() const { return shadeColor_; }

    // ---- Graphics
    void setPen(const Pen& pen) { pen_ = pen; }
    const Pen& pen() const { return pen_; }
    void setBrush(const Brush& brush) { brush_ = brush; }
    const Brush& brush() const { return brush_; }
    void line(double x1, double y1, double x2, double y2);
    // Filled with the brush and outlined with the pen.
    void rectangle(double left, double top, double right, double bottom);
    // Filled with the brush only.
    void fillRect(double left, double top, double right, double bottom);
    // Outlined with a line of the given colour only (no fill).
    void frameRect(double left, double top, double right, double bottom,
                   Color color = Color::black());

    // ---- Status shown while the report runs. "%p" is the page number, "%0", "%1", ...
    // the status lines. The status is refreshed at the start of every page.
    void setStatusFormat(std::string format) { statusFormat_ = std::move(format); }
    const std::string& statusFormat() const { return statusFormat_; }
    std::vector<std::string>& statusLines() { return statusLines_; }
    const std::vector<std::string>& statusLines() const { return statusLines_; }
    void setStatusListener(std::function<void(const std::string&)> listener) {
        statusListener_ = std::move(listener);
    }
    std::string statusText() const;
    void updateStatus();

    // ---- Output devices: the names of the printers the report can go to, filled by the
    // program; the selected index is -1 until one is selected.
    void setOutputDevices(std::vector<std::string> devices);
    const std::vector<std::string>& outputDevices() const { return devices_; }
    // Selects a device by index; an index outside the list is ignored.
    void selectOutputDevice(int index);
    int selectedOutputDevice() const { return selectedDevice_; }

    // The page being drawn (for checks; the sink receives it when the page ends).
    const Page& pageInProgress() const { return page_; }

  private:
    void startPage();
    void addOp(DrawOp op);
    void addText(std::string_view text, double x, double baseline, Justify align);
    void printTextAtX(std::string_view text);
    double baseline() const { return yPos_ + metrics_.ascent; }
    void startLine();
    void drawCellBorders(const TabStop& stop, double top, double bottom);

    const TextMeasurer& measurer_;

    double paperWidth_ = 8.5;
    double paperHeight_ = 11;
    Orientation orientation_ = Orientation::Portrait;
    double topMargin_ = 0.5;
    double bottomMargin_ = 0.5;
    double leftMargin_ = 0.5;
    double rightMargin_ = 0.5;

    double sectionTop_ = 0.5;
    double sectionBottom_ = 10.5;
    double xPos_ = 0.5;
    double yPos_ = 0.5;

    FontSpec font_;
    FontMetrics metrics_;
    std::array<FontSpec, kFontSlots> fontSlots_{};

    TabStops tabs_;
    std::array<TabStops, kTabSets> tabSets_{};
    std::size_t nextTab_ = 0;
    Color shadeColor_ = Color::black();
    // Cell shading of the current line is drawn before that line's lines and texts, so
    // that a shaded cell never covers its neighbour's border.
    std::size_t lineOpsStart_ = 0;
    // Grid lines that neighbouring cells share are drawn once: a cell leaves out its left
    // line where the previous cell's right line stands, and an unshaded cell its top line
    // where the line above drew the same bottom line.
    struct Segment {
        double from, to, at;
    };
    std::vector<Segment> lineBottoms_;
    std::vector<Segment> bottomsAbove_;
    std::optional<double> lastRightLine_;

    Pen pen_;
    Brush brush_;

    std::string statusFormat_ = "Printing Page %p";
    std::vector<std::string> statusLines_;
    std::function<void(const std::string&)> statusListener_;

    std::vector<std::string> devices_;
    int selectedDevice_ = -1;

    Page page_;
    int pageNumber_ = 0;
    bool aborted_ = false;
    bool running_ = false;
};

}  // namespace reports
