#include "ui/plan_password_lookup.h"

#include "plan/plan_file_io.h"

namespace ui {

std::string FirstPlanPassword(const std::string& dataFilePath) {
    const plan::FileHandle file = plan::openForReading(dataFilePath);
    if (!file.isOpen())
        return {};
    int count = 0;
    try {
        count = plan::recordCountOf(file);
    } catch (const plan::PlanFileError&) {
        return {};
    }
    plan::TClientRec record = plan::zeroClientRec();
    for (int k = 0; k < count; ++k) {
        if (!plan::readRecord(file, k, record))
            break;
        std::string password = record.Password.bytes();
        if (!password.empty())
            return password;
    }
    return {};
}

}  // namespace ui
