#include "reports/generate/report_frame.h"

#include <algorithm>

#include "calc/number_text.h"

namespace reports {
namespace {

int countNonEmpty(const std::array<std::string, 3>& lines) {
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return !l.empty(); }));
}

bool anyNonEmpty(const std::array<std::string, 3>& lines) {
    return countNonEmpty(lines) > 0;
}

std::string withSingleAmpersands(std::string text) {
    for (std::size_t at = text.find("&&"); at != std::string::npos; at = text.find("&&", at + 1)) {
        text.erase(at, 1);
    }
    return text;
}

void emptyLine(ReportEngine& e) {
    e.restoreFont(slot::kSpacer);
    e.newLine();
}

}  // namespace

ReportFrame::ReportFrame(ReportInputs inputs) : inputs_(std::move(inputs)) {}

ReportFrame::~ReportFrame() = default;

void ReportFrame::setBody(int section, std::unique_ptr<SectionBody> body) {
    if (section >= 1 && section <= kMaxSections)
        bodies_[static_cast<std::size_t>(section)] = std::move(body);
}

bool ReportFrame::hasBody(int section) const {
    return section >= 1 && section <= kMaxSections &&
           bodies_[static_cast<std::size_t>(section)] != nullptr;
}

bool ReportFrame::anySectionPrintable() const {
    for (int n = 1; n <= sectionCount(); ++n) {
        if (sectionChosen(n) && hasBody(n))
            return true;
    }
    return false;
}

ReportRunResult ReportFrame::run(ReportEngine& engine, PageSink& output) {
    PageCount = 0;
    SetMaxPages();
    ReportRunResult result;
    if (!anySectionPrintable()) {
        result.outcome = ReportOutcome::NoSections;
        result.message = "No report section that can be printed was chosen.";
        return result;
    }
    // The calculation comes first so that a plan without a schedule gives its message
    // and no page at all.
    const calc::CalcResult calc = calculate();
    if (!calc.ok()) {
        releaseStorage();
        result.outcome = ReportOutcome::CalcFailed;
        result.message = calc.message;
        return result;
    }
    bind(engine);
    engine.execute(output);
    result.outcome = engine.aborted() ? ReportOutcome::Canceled : ReportOutcome::Completed;
    result.pages = engine.currentPage();
    return result;
}

void ReportFrame::bind(ReportEngine& e) {
    e.onBeforePrint = [this](ReportEngine& en) { MyBeforePrintReport(en); };
    e.onPrintHeader = [this](ReportEngine& en) { MyPrintHeaderReport(en); };
    e.onPrintPage = [this](ReportEngine& en) { return MyPrintPageReport(en); };
    e.onPrintFooter = [this](ReportEngine& en) { MyPrintFooterReport(en); };
    e.onAfterPrint = [this](ReportEngine& en) { MyAfterPrintReport(en); };
}

void ReportFrame::SetMaxPages() {
    PagesLeft = std::max(20 * static_cast<int>(plan().DebtCount), 100) + extraPageAllowance();
}

void ReportFrame::CalcFooter() {
    const ReportSettings& s = settings();
    FooterLines = 0;
    if (s.usePermanentFooter)
        FooterLines += countNonEmpty(s.permanentFooterLine);
    if (s.useTemporaryFooter)
        FooterLines += countNonEmpty(inputs_.tempFooter.lines);
    if (s.printDatePrinted || s.printPageNumbers || s.printReportName)
        FooterLines += 2;
}

void ReportFrame::SetFirst2Fonts(ReportEngine& e) {
    e.setFont(settings().persHeaderFont);
    e.saveFont(slot::kPersHeader);
    e.setFont(settings().customHeaderFont);
    e.saveFont(slot::kCustomHeader);
    e.setFont(spacerFont());
    e.saveFont(slot::kSpacer);
}

void ReportFrame::SetFonts(ReportEngine& e, int section) {
    const ReportSettings& s = settings();
    const std::string group = fontGroup(section);
    SetFirst2Fonts(e);
    const FontSpec body = s.sectionFont(group + "Body");
    e.setFont(body);
    e.saveFont(slot::kBody);
    e.setFont(s.sectionFont(group + "Totals"));
    e.saveFont(slot::kTotals);
    e.setFont(s.permFooterFont);
    e.saveFont(slot::kPermFooter);
    e.setFont(s.tempFooterFont);
    e.saveFont(slot::kTempFooter);
    e.setFont(s.pageInformationFooterFont);
    e.saveFont(slot::kPageInfo);
    e.setFont(s.sectionFont(group + "Header"));
    e.saveFont(slot::kHeader);
    if (usesBoldBodySlot(section)) {
        FontSpec bold = body;
        bold.bold = true;
        e.setFont(bold);
        e.saveFont(slot::kBodyBold);
    }
}

void ReportFrame::CalcBottomSpace(ReportEngine& e) {
    BottomSpace = 0;
    if (FooterLines < 1)
        return;
    const ReportSettings& s = settings();
    const double spacer = e.slotLineHeight(slot::kSpacer);
    if (s.usePermanentFooter) {
        BottomSpace +=
            spacer + countNonEmpty(s.permanentFooterLine) * e.slotLineHeight(slot::kPermFooter);
    }
    if (s.useTemporaryFooter) {
        BottomSpace +=
            spacer + countNonEmpty(inputs_.tempFooter.lines) * e.slotLineHeight(slot::kTempFooter);
    }
    if (s.printDatePrinted || s.printPageNumbers || s.printReportName)
        BottomSpace += spacer + 2 * e.slotLineHeight(slot::kPermFooter);
}

bool ReportFrame::CalcCurrentReport() {
    StartSection = true;
    for (int n = CurrentReport + 1; n <= sectionCount(); ++n) {
        if (sectionChosen(n) && hasBody(n)) {
            CurrentReport = n;
            return true;
        }
    }
    return false;
}

void ReportFrame::MyBeforePrintReport(ReportEngine& e) {
    e.setStatusFormat("Printing Page %p\r%0\r%1");
    e.statusLines().assign(2, std::string());
    const ReportSettings& s = settings();
    e.setTopMargin(s.topMargin);
    e.setBottomMargin(s.bottomMargin);
    e.setLeftMargin(s.leftMargin);
    e.setRightMargin(s.rightMargin);
    PrintWidth = e.pageWidth() - s.leftMargin - s.rightMargin;
    CumValues = plan().CumulativeValues != 0;
    ShowCents = plan().DisplayCents != 0;
    if (boxed() && s.shadeGridHeaders) {
        HeaderShade = s.gridHeaderShadeIntensity;
        SubHeaderShade = s.gridSubHeaderShadeIntensity;
    } else {
        HeaderShade = 0;
        SubHeaderShade = 0;
    }
    CalcFooter();
    CalcHeader();
    StartSection = true;
    CurrentReport = 0;
    CalcCurrentReport();
}

void ReportFrame::MyPrintHeaderReport(ReportEngine& e) {
    const double middle = e.pageWidth() / 2;
    e.home();
    SetFirst2Fonts(e);
    e.restoreFont(slot::kCustomHeader);
    if (HeaderLines > 0) {
        const auto& header = settings().permanentHeaderLine;
        for (const std::string& line : header) {
            if (!line.empty()) {
                e.printCenter(line, middle);
                e.newLine();
            }
        }
        if (anyNonEmpty(header))
            emptyLine(e);
    }
    const std::string title = plan().ReportTitle.text();
    if (!title.empty()) {
        e.restoreFont(slot::kCustomHeader);
        e.printCenter(title, middle);
        e.newLine();
        emptyLine(e);
    }
    e.restoreFont(slot::kPersHeader);
    std::string provided;
    const std::string providedFor = plan().ProvidedFor.text();
    const std::string providedBy = plan().ProvidedBy.text();
    if (!providedFor.empty())
        provided = "Provided For: " + providedFor;
    if (!providedBy.empty())
        provided += (provided.empty() ? "" : "    ") + std::string("Provided By: ") + providedBy;
    if (!provided.empty()) {
        e.printCenter(provided, middle);
        e.newLine();
    }
    printHeaderTail(e);
}

bool ReportFrame::askToContinue() {
    if (inputs_.boxes == nullptr)
        return false;
    const std::string& name = inputs_.displayName;
    platform::MessageBoxRequest r;
    r.caption = name + ": Report Error";
    r.text = "The number of pages for this report seems excessive. " + name +
             " may have encountered a problem\r\n"
             "where the report cannot successfully be completed. If the fonts used are too "
             "large there may not be\r\n"
             "enough room to include any debts on certain pages. When this occurs the report "
             "will never finish.\r\n"
             "\r\n"
             "Do you want " +
             name + " to continue to try to generate the report?";
    r.icon = platform::MsgIcon::Question;
    r.buttons = platform::MsgButtons::YesNo;
    r.owner = inputs_.owner;
    r.bringToForeground = true;
    return inputs_.boxes->show(r) == platform::MsgAnswer::Yes;
}

bool ReportFrame::MyPrintPageReport(ReportEngine& e) {
    SetFonts(e, CurrentReport);
    CalcBottomSpace(e);
    e.setSectionBottom(e.pageHeight() - e.bottomMargin() - BottomSpace);
    --PagesLeft;
    if (PagesLeft <= 0) {
        if (!askToContinue())
            return false;
        SetMaxPages();
    }
    ReportName.clear();
    if (!hasBody(CurrentReport))
        return false;
    SectionBody& body = *bodies_[static_cast<std::size_t>(CurrentReport)];
    ReportName = sectionCaption(CurrentReport);
    if (StartSection) {
        body.startSection();
        StartSection = false;
    }
    if (!body.printPage(e))
        return true;
    // The section is done: the next page starts the next chosen section, if any.
    return CalcCurrentReport();
}

void ReportFrame::MyPrintFooterReport(ReportEngine& e) {
    if (FooterLines <= 0)
        return;
    const ReportSettings& s = settings();
    const double middle = e.pageWidth() / 2;
    e.setSectionTop(e.pageHeight() - e.bottomMargin() - BottomSpace);
    e.setSectionBottom(e.pageHeight() - e.bottomMargin());
    if (s.usePermanentFooter) {
        if (anyNonEmpty(s.permanentFooterLine))
            emptyLine(e);
        e.restoreFont(slot::kPermFooter);
        for (const std::string& line : s.permanentFooterLine) {
            if (!line.empty()) {
                e.printCenter(line, middle);
                e.newLine();
            }
        }
    }
    if (s.useTemporaryFooter) {
        emptyLine(e);
        e.restoreFont(slot::kTempFooter);
        for (const std::string& line : inputs_.tempFooter.lines) {
            if (!line.empty()) {
                e.printCenter(line, middle);
                e.newLine();
            }
        }
    }
    const bool name = s.printReportName && !ReportName.empty();
    if (s.printDatePrinted || s.printPageNumbers || name) {
        emptyLine(e);
        e.restoreFont(slot::kPageInfo);
        if (s.printDatePrinted) {
            e.printLeft("Date printed: " +
                            formatShortDate(locale().shortDateFormat, inputs_.today, locale()),
                        e.leftMargin());
        }
        if (s.printPageNumbers) {
            ++PageCount;
            e.printCenter("Page " + std::to_string(PageCount), middle);
        }
        if (name) {
            e.printRight(reportNamePrefix() + withSingleAmpersands(ReportName),
                         e.pageWidth() - e.rightMargin());
        }
        e.newLine();
    }
}

void ReportFrame::MyAfterPrintReport(ReportEngine& e) {
    (void)e;
    releaseStorage();
}

std::string ReportFrame::FitText(const ReportEngine& e, const std::string& text,
                                 double width) const {
    return e.fitText(text, width);
}

bool ReportFrame::RoomFor(const ReportEngine& e, int lines) const {
    return e.linesLeft() > lines;
}

std::string ReportFrame::gridMoney(double amount) const {
    return calc::FormatAmount(amount, ShowCents ? 2 : 0, settings().currencyStringGrids, locale());
}

std::string ReportFrame::totalsMoney(double amount) const {
    return calc::FormatAmount(amount, 2, settings().currencyStringTotals, locale());
}

void ReportFrame::printRow(ReportEngine& e, const std::vector<std::string>& cells) const {
    const TabStops& tabs = e.tabs();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const double width = i < tabs.size() ? tabs[i].textWidth() : PrintWidth;
        e.printCell(FitText(e, cells[i], width));
    }
    e.newLine();
}

}  // namespace reports
