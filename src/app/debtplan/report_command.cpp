// `debtplan report`: the plan's report through the report generator, measured with the
// real fonts and written as PDF, on Qt's offscreen platform (no windows, no display).

#include "report_command.h"

#include <QDate>
#include <QGuiApplication>
#include <QString>
#include <memory>

#include "calc/priorities.h"
#include "platform/message_boxes.h"
#include "reports/engine/report_engine.h"
#include "reports/generate/frm_report.h"
#include "reports/generate/frm_report2.h"
#include "reports/generate/report_sections.h"
#include "reports/render/pdf_export.h"
#include "reports/render/qt_text_measurer.h"
#include "reports/render/report_fonts.h"

namespace debtplan {
namespace {

constexpr int kExitUsage = 2;
constexpr int kExitNoSchedule = 3;

// The application object of the run on the offscreen platform, unless the caller has one.
// It must end before the program's static objects do, so the run owns it.
std::unique_ptr<QGuiApplication> guiApplication() {
    if (QGuiApplication::instance() != nullptr)
        return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "debtplan";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Without a person to ask, the page-limit question is answered No: the report ends there.
class NoToEveryQuestion final : public platform::MessageBoxes {
  public:
    explicit NoToEveryQuestion(std::ostream& err) : err_(err) {}
    platform::MsgAnswer show(const platform::MessageBoxRequest& request) override {
        err_ << "debtplan: " << request.caption << " (answered No): the report stops here\n";
        return platform::MsgAnswer::No;
    }

  private:
    std::ostream& err_;
};

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names)
        text += (text.empty() ? "" : ", ") + n;
    return text;
}

}  // namespace

int runReportCommand(const plan::TClientRec& loaded, int numDebts, const ReportRequest& request,
                     std::ostream& out, std::ostream& err) {
    if (numDebts < 0 || numDebts > plan::kMaxDebts) {
        err << "debtplan: the plan's debt count " << numDebts << " is out of range\n";
        return kExitUsage;
    }
    const bool consolidation = loaded.ReductionPlan == 2;
    reports::ReportInputs inputs;
    inputs.plan = loaded;
    inputs.numDebts = numDebts;
    plan::TClientRec& p = inputs.plan;
    // As before every report of the program: the priorities follow the priority method.
    calc::SetPriorities(p, numDebts);
    if (p.ReductionPlan == 1) {
        const calc::SharedPriority shared = calc::FindSharedPriority(p, numDebts);
        if (shared.first != 0) {
            err << "debtplan: \"" << p.Debts[shared.first - 1].Name.text() << "\" and \""
                << p.Debts[shared.second - 1].Name.text()
                << "\" have the same priority; the plan cannot be reported\n";
            return kExitNoSchedule;
        }
    }

    std::vector<int> sections;
    if (request.sections) {
        std::string error;
        const auto parsed = reports::parseSectionList(*request.sections, consolidation, error);
        if (!parsed) {
            err << "debtplan: " << error << '\n';
            return kExitUsage;
        }
        sections = *parsed;
    } else {
        sections = reports::chosenSections(p, consolidation);
    }
    reports::setChosenSections(p, consolidation, sections);

    const QDate today = QDate::currentDate();
    inputs.today = {today.year(), today.month(), today.day()};
    NoToEveryQuestion boxes(err);
    inputs.boxes = &boxes;

    std::unique_ptr<reports::ReportFrame> generator;
    if (consolidation)
        generator = std::make_unique<reports::TfrmReport2>(inputs);
    else
        generator = std::make_unique<reports::TfrmReport>(inputs);

    std::vector<std::string> missing;
    for (const int n : sections) {
        if (!generator->hasBody(n))
            missing.push_back(reports::sectionKeyword(consolidation, n));
    }
    if (!missing.empty()) {
        if (request.sections) {
            err << "debtplan: report section" << (missing.size() > 1 ? "s " : " ")
                << joined(missing) << (missing.size() > 1 ? " are" : " is")
                << " not available yet; available: monthpayonly, monthpaybal, dailypayonly, "
                   "dailypaybal, calendar\n";
            return kExitUsage;
        }
        err << "debtplan: leaving out report sections not available yet: " << joined(missing)
            << '\n';
    }

    // Fonts are measured and drawn by Qt, from here on.
    const std::unique_ptr<QGuiApplication> app = guiApplication();
    reports::registerReportFonts();
    const reports::QtTextMeasurer measurer;
    reports::ReportEngine engine(measurer);
    reports::PageStream pages;
    const reports::ReportRunResult result = generator->run(engine, pages);
    if (result.outcome == reports::ReportOutcome::CalcFailed) {
        err << "debtplan: no report: " << result.message << '\n';
        return kExitNoSchedule;
    }
    if (result.outcome == reports::ReportOutcome::NoSections || pages.empty()) {
        err << "debtplan: no report section to print\n";
        return kExitUsage;
    }
    reports::PdfOptions options;
    options.title = QString::fromStdString(p.PlanName.text());
    options.creator = QStringLiteral("debtplan");
    const QString path = QString::fromStdString(request.pdfFile);
    const reports::PdfWriteResult written = reports::writePdfFile(pages, path, options);
    if (!written.ok) {
        err << "debtplan: cannot write " << request.pdfFile << ": " << written.error.toStdString()
            << '\n';
        return 1;
    }
    out << request.pdfFile << '\t' << pages.pageCount() << " pages\n";
    return 0;
}

}  // namespace debtplan
