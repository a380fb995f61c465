#pragma once

// `debtplan report`: renders a plan's report to a PDF file without windows, with the same
// generator and renderer as the program's preview.

#include <optional>
#include <ostream>
#include <string>

#include "plan/client_rec.h"

namespace debtplan {

struct ReportRequest {
    std::string pdfFile;
    // Comma-separated section keywords; the plan's checked sections when not given.
    std::optional<std::string> sections;
};

// Exit status 0 when the PDF was written; 2 for unknown sections or sections that cannot
// be printed yet; 3 when the calculation ended without a schedule (the message goes to
// `err`, no file is written); 1 when the file could not be written.
int runReportCommand(const plan::TClientRec& plan, int numDebts, const ReportRequest& request,
                     std::ostream& out, std::ostream& err);

}  // namespace debtplan
