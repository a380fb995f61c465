#include "debtplan_args.h"

#include <charconv>
#include <climits>
#include <map>

namespace debtplan {
namespace {

struct CommandShape {
    CommandKind kind;
    std::size_t files;  // positional arguments after the command
    bool takesPlan;
    bool takesFormat;
    bool isReport = false;  // takes --pdf (required) and --sections
};

const std::map<std::string, CommandShape>& shapes() {
    static const std::map<std::string, CommandShape> m = {
        {"list", {CommandKind::List, 1, false, false}},
        {"export", {CommandKind::Export, 2, true, false}},
        {"import", {CommandKind::Import, 2, false, false}},
        {"schedule", {CommandKind::Schedule, 1, true, true}},
        {"report", {CommandKind::Report, 1, true, false, true}},
    };
    return m;
}

ParsedArgs fail(std::string message) {
    return {std::nullopt, std::move(message)};
}

// A record number: decimal digits only.
std::optional<int> parsePlanNumber(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range || value > INT_MAX)
        return INT_MAX;
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

const char* usageText() {
    return "usage: debtplan list FILE\n"
           "       debtplan export FILE --plan N OUT.dbt\n"
           "       debtplan import FILE IN.dbt\n"
           "       debtplan schedule FILE [--plan N] [--format json|csv]\n"
           "       debtplan report FILE --plan N --pdf OUT.pdf [--sections LIST]\n"
           "FILE is a plan data file (Debts4.dat); N is a record number from 0.\n"
           "LIST names report sections, comma-separated: overview, monthpayonly, monthpaybal,\n"
           "dailypayonly, dailypaybal, calendar, summary, moneysave, timesave, princint\n"
           "(schedule, summary, graph for consolidation plans); without it the sections\n"
           "checked in the plan's report options.\n";
}

ParsedArgs parseArgs(const std::vector<std::string>& args) {
    if (args.empty())
        return fail("no command given (try debtplan --help)");
    const std::string& name = args[0];
    if (name == "--help" || name == "-h" || name == "help")
        return {Command{}, {}};
    const auto shape = shapes().find(name);
    if (shape == shapes().end())
        return fail("unknown command '" + name + "'");

    Command command;
    command.kind = shape->second.kind;
    std::vector<std::string> files;
    bool formatSeen = false;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.size() < 2 || a.compare(0, 2, "--") != 0) {
            files.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        const auto eq = a.find('=');
        const std::string option = a.substr(0, eq);
        const bool isPlan = option == "--plan" && shape->second.takesPlan;
        const bool isFormat = option == "--format" && shape->second.takesFormat;
        const bool isPdf = option == "--pdf" && shape->second.isReport;
        const bool isSections = option == "--sections" && shape->second.isReport;
        if (!isPlan && !isFormat && !isPdf && !isSections)
            return fail("unknown option '" + option + "' for " + name);
        std::string value;
        if (eq != std::string::npos) {
            value = a.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return fail("option " + option + " needs a value");
        }
        if (isPdf) {
            if (!command.pdfFile.empty())
                return fail("option --pdf given twice");
            if (value.empty())
                return fail("option --pdf needs a file name");
            command.pdfFile = value;
        } else if (isSections) {
            if (command.sections)
                return fail("option --sections given twice");
            command.sections = value;
        } else if (isPlan) {
            if (command.plan)
                return fail("option --plan given twice");
            command.plan = parsePlanNumber(value);
            if (!command.plan)
                return fail("invalid plan number '" + value + "'");
        } else {
            if (formatSeen)
                return fail("option --format given twice");
            formatSeen = true;
            if (value == "json") {
                command.format = ScheduleFormat::Json;
            } else if (value == "csv") {
                command.format = ScheduleFormat::Csv;
            } else {
                return fail("unknown format '" + value + "' (use json or csv)");
            }
        }
    }
    const std::size_t wanted = shape->second.files;
    if (files.size() < wanted) {
        return fail(wanted == 1 ? "missing data file for " + name
                                : "missing " + std::string(files.empty() ? "data file and " : "") +
                                      (name == "export" ? "OUT.dbt" : "IN.dbt") + " for " + name);
    }
    if (files.size() > wanted)
        return fail("unexpected argument '" + files[wanted] + "'");
    if (shape->second.isReport) {
        if (!command.plan)
            return fail("report needs --plan N");
        if (command.pdfFile.empty())
            return fail("report needs --pdf OUT.pdf");
    }
    command.dataFile = files[0];
    if (wanted == 2)
        command.transferFile = files[1];
    return {command, {}};
}

}  // namespace debtplan
