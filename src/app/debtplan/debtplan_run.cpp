#include "debtplan_run.h"

#include <exception>
#include <string>

#include "debtplan_args.h"
#include "plan/plan_file_io.h"
#include "plan/plan_file_store.h"
#include "plan/plan_transfer.h"
#include "plan/record_repair.h"
#include "report_command.h"
#include "schedule_command.h"

namespace debtplan {
namespace {

int failWith(std::ostream& err, const std::string& message) {
    err << "debtplan: " << message << '\n';
    return kExitFailed;
}

// A plan name on one line: control characters (a tab or line break would split the
// line) are shown as "?".
std::string oneLine(std::string text) {
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f)
            c = '?';
    }
    return text;
}

// Opens the data file and checks that record `k` exists; the reason when not.
std::string checkRecord(const std::string& path, const plan::FileHandle& file, int k) {
    if (!file.isOpen())
        return "cannot open " + path + ": " + plan::lastSystemError();
    const int count = plan::recordCountOf(file);
    if (count == 0)
        return path + " holds no complete plan record";
    if (k >= count) {
        const std::string holds =
            count == 1 ? "1 plan (number 0)"
                       : std::to_string(count) + " plans (0 to " + std::to_string(count - 1) + ")";
        return "plan " + std::to_string(k) + " is out of range: " + path + " holds " + holds;
    }
    return {};
}

int listPlans(const Command& c, std::ostream& out, std::ostream& err) {
    {
        const plan::FileHandle file = plan::openForReading(c.dataFile);
        const std::string problem = checkRecord(c.dataFile, file, 0);
        if (!problem.empty())
            return failWith(err, problem);
    }
    for (const auto& entry : plan::PlanFileStore(c.dataFile).LoadInClients()) {
        out << entry.recordNumber << '\t' << oneLine(entry.planName) << '\n';
    }
    return 0;
}

int exportPlan(const Command& c, std::ostream& err) {
    plan::TClientRec rec;
    if (!c.plan)
        return failWith(err, plan::readPlanForExport(c.dataFile, -1, rec));
    {
        const plan::FileHandle file = plan::openForReading(c.dataFile);
        if (!file.isOpen())
            return failWith(err, plan::readPlanForExport(c.dataFile, *c.plan, rec));
        const std::string problem = checkRecord(c.dataFile, file, *c.plan);
        if (!problem.empty())
            return failWith(err, problem);
    }
    std::string warning = plan::readPlanForExport(c.dataFile, *c.plan, rec);
    if (warning.empty())
        warning = plan::writeExportFile(c.transferFile, rec);
    return warning.empty() ? 0 : failWith(err, warning);
}

int importPlan(const Command& c, std::ostream& out, std::ostream& err) {
    plan::TClientRec rec;
    std::string warning = plan::readImportFile(c.transferFile, rec);
    int number = -1;
    if (warning.empty())
        warning = plan::appendImportedPlan(c.dataFile, rec, number);
    if (!warning.empty())
        return failWith(err, warning);
    out << number << '\t' << oneLine(rec.PlanName.text()) << '\n';
    return 0;
}

// Reads plan `k` as the program loads a plan: an old record is repaired, and NumDebts
// is taken from DebtCount. The reason when it cannot be read.
std::string loadPlan(const Command& c, int k, plan::TClientRec& rec) {
    const plan::FileHandle file = plan::openForReading(c.dataFile);
    const std::string problem = checkRecord(c.dataFile, file, k);
    if (!problem.empty())
        return problem;
    if (!plan::readRecord(file, k, rec))
        return "cannot read plan " + std::to_string(k) + " of " + c.dataFile;
    if (plan::needsOldRecordRepair(rec))
        plan::repairOldRecord(rec);
    return {};
}

int schedule(const Command& c, std::ostream& out, std::ostream& err) {
    plan::TClientRec rec;
    const std::string problem = loadPlan(c, c.plan.value_or(0), rec);
    if (!problem.empty())
        return failWith(err, problem);
    return runScheduleCommand(rec, plan::loadedDebtCount(rec), c.format, out, err);
}

int report(const Command& c, std::ostream& out, std::ostream& err) {
    plan::TClientRec rec;
    const std::string problem = loadPlan(c, c.plan.value_or(0), rec);
    if (!problem.empty())
        return failWith(err, problem);
    ReportRequest request;
    request.pdfFile = c.pdfFile;
    request.sections = c.sections;
    return runReportCommand(rec, plan::loadedDebtCount(rec), request, out, err);
}

}  // namespace

int runDebtplan(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedArgs parsed = parseArgs(args);
    if (!parsed.command) {
        err << "debtplan: " << parsed.error << '\n';
        return kExitUsage;
    }
    const Command& c = *parsed.command;
    try {
        switch (c.kind) {
            case CommandKind::Help:
                out << usageText();
                return 0;
            case CommandKind::List:
                return listPlans(c, out, err);
            case CommandKind::Export:
                return exportPlan(c, err);
            case CommandKind::Import:
                return importPlan(c, out, err);
            case CommandKind::Schedule:
                return schedule(c, out, err);
            case CommandKind::Report:
                return report(c, out, err);
        }
    } catch (const std::exception& e) {
        return failWith(err, e.what());
    }
    return kExitFailed;
}

}  // namespace debtplan
