// make_sample_data: builds the sample data file from its text description.
//   make_sample_data sample_plans.txt Debts4SampleData.dat
// Fails (and writes nothing) when a line is not understood or a plan would not pass the
// program's entry checks.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "plan/plan_file_io.h"
#include "plan/sample_data/sample_checks.h"
#include "plan/sample_data/sample_plan_text.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_sample_data SAMPLE_PLANS.txt OUT.dat\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();

    const auto parsed = plan::samples::parseSamplePlans(text.str());
    bool ok = parsed.errors.empty();
    for (const auto& e : parsed.errors)
        std::cerr << argv[1] << ": " << e << '\n';
    std::string records;
    for (std::size_t i = 0; i < parsed.plans.size(); ++i) {
        const auto& p = parsed.plans[i];
        for (const auto& problem : plan::samples::checkSamplePlan(p)) {
            std::cerr << argv[1] << ": plan " << i + 1 << " \"" << p.PlanName.text()
                      << "\": " << problem << '\n';
            ok = false;
        }
        records.append(plan::recordBytes(p));
    }
    if (parsed.plans.empty()) {
        std::cerr << argv[1] << ": no [plan] found\n";
        ok = false;
    }
    if (!ok)
        return 1;

    std::string error;
    if (!plan::replaceRecordFile(argv[2], records, &error)) {
        std::cerr << argv[2] << ": " << error << '\n';
        return 1;
    }
    return 0;
}
