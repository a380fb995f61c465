#include "plan/plan_transfer.h"

#include "plan/plan_file_io.h"

namespace plan {

bool hasDbtExtension(std::string_view fileName) {
    if (fileName.size() < 4)
        return false;
    const std::string_view tail = fileName.substr(fileName.size() - 4);
    constexpr std::string_view wanted = ".DBT";
    for (std::size_t i = 0; i < 4; ++i) {
        char c = tail[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != wanted[i])
            return false;
    }
    return true;
}

std::string readPlanForExport(const std::string& dataFilePath, int recordNumber, TClientRec& out) {
    if (recordNumber < 0)
        return "No plan selected. Please select a plan first.";
    const FileHandle file = openForReading(dataFilePath);
    if (!file.isOpen())
        return "Unable to retreive selected plan. Export aborted.";
    if (!readRecord(file, recordNumber, out)) {
        throw PlanFileError("Cannot read plan " + std::to_string(recordNumber) + " of " +
                            dataFilePath);
    }
    return {};
}

std::string writeExportFile(const std::string& exportPath, const TClientRec& rec) {
    if (!hasDbtExtension(exportPath))
        return "Invalid file type selected.";
    if (!replaceRecordFile(exportPath, recordBytes(rec), nullptr))
        return "Unable to create file.";
    return {};
}

std::string readImportFile(const std::string& importPath, TClientRec& out) {
    if (!hasDbtExtension(importPath))
        return "Invalid file type selected.";
    const FileHandle file = openForReading(importPath);
    if (!file.isOpen())
        return "Unable to open file.";
    if (!readRecord(file, 0, out))
        return "Invalid or corrupt file. Import aborted.";
    return {};
}

std::string appendImportedPlan(const std::string& dataFilePath, const TClientRec& rec,
                               int& newRecordNumber) {
    constexpr const char* kCannotAdd = "Unable to add imported file. Import aborted.";
    std::string records;
    {
        const FileHandle file = openForReadingAndWriting(dataFilePath);
        if (!file.isOpen())
            return kCannotAdd;
        try {
            records = readWholeRecords(file);
        } catch (const PlanFileError&) {
            return kCannotAdd;
        }
    }
    const int number = static_cast<int>(records.size() / kClientRecSize);
    records.append(recordBytes(rec));
    if (!replaceRecordFile(dataFilePath, records, nullptr))
        return kCannotAdd;
    newRecordNumber = number;
    return {};
}

}  // namespace plan
