#pragma once

// One report section's body: it prints as much of its section as fits on the page below
// the header and above the footer, remembers where it stopped, and says when the section
// has printed its last line. The generator chooses the sections, starts each one, and ends
// the report when no chosen section is left; a new body plugs in with setBody().

#include "reports/engine/report_engine.h"

namespace reports {

class SectionBody {
  public:
    virtual ~SectionBody() = default;
    // Called before the section's first page: reset the continuation fields.
    virtual void startSection() = 0;
    // Prints one page; true when the section is done.
    virtual bool printPage(ReportEngine& engine) = 0;
};

}  // namespace reports
