#include "plan/plan_file_store.h"

#include <cerrno>
#include <cstddef>

#include "plan/record_repair.h"

namespace plan {
namespace {

constexpr long long kRecordSize = static_cast<long long>(kClientRecSize);

// Loads record k into the state as a successful TfrmOpenDebt.GetTheClient does.
bool loadRecord(const FileHandle& file, int k, PlanState& state) {
    TClientRec rec;
    if (!readRecord(file, k, rec))
        return false;
    state.SavedPlan = rec;
    state.ActivePlan = rec;
    // The stored record keeps its values; the repair reaches the file with the next save.
    if (needsOldRecordRepair(state.ActivePlan))
        repairOldRecord(state.ActivePlan);
    state.PlanPassword = state.ActivePlan.Password.bytes();
    state.NumDebts = loadedDebtCount(state.ActivePlan);
    return true;
}

}  // namespace

std::vector<PlanListEntry> PlanFileStore::LoadInClients() const {
    std::vector<PlanListEntry> list;
    const FileHandle file = openForReading(path_);
    if (!file.isOpen())
        return list;
    const int count = recordCountOf(file);
    list.reserve(static_cast<std::size_t>(count));
    // Only the name of each record is needed, so only its bytes are read.
    constexpr std::size_t nameOffset = offsetof(TClientRec, PlanName);
    for (int k = 0; k < count; ++k) {
        ShortText<60> name;
        errno = 0;
        if (!readAt(file, k * kRecordSize + static_cast<long long>(nameOffset),
                    reinterpret_cast<char*>(&name), sizeof name)) {
            throw PlanFileError("Cannot read plan " + std::to_string(k) + " of " + path_ + ": " +
                                (errno != 0 ? lastSystemError() : "Read beyond end of file"));
        }
        list.push_back({name.text(), k});
    }
    return list;
}

LoadResult PlanFileStore::GetTheClient(int k, PlanState& state) const {
    const FileHandle file = openForReading(path_);
    if (!file.isOpen())
        return LoadResult::NotOpened;
    if (loadRecord(file, k, state))
        return LoadResult::Loaded;
    if (k == 0)
        return LoadResult::Failed;
    state.PlanIndex = 0;
    return loadRecord(file, 0, state) ? LoadResult::LoadedRecordZero : LoadResult::Failed;
}

bool PlanFileStore::SaveAClient(PlanState& state, bool append, platform::MessageBoxes& boxes,
                                platform::WindowHandle owner, std::string_view displayName) const {
    state.ActivePlan.Version.setBytes("4.0");
    state.ActivePlan.DebtCount = static_cast<std::uint16_t>(state.NumDebts);

    std::string error;
    std::string records;
    {
        const FileHandle file = openForReadingAndWriting(path_);
        if (file.isOpen()) {
            try {
                records = readWholeRecords(file);
            } catch (const PlanFileError& e) {
                error = e.what();
            }
        } else if (errno != ENOENT) {
            error = lastSystemError();
        }
    }

    int target = -1;
    if (error.empty()) {
        const int count = static_cast<int>(records.size() / kClientRecSize);
        // Writing past the end would leave a gap of empty records: append instead.
        target = append || state.PlanIndex < 0 || state.PlanIndex > count ? count : state.PlanIndex;
        const auto offset = static_cast<std::size_t>(target) * kClientRecSize;
        if (target == count) {
            records.append(recordBytes(state.ActivePlan));
        } else {
            records.replace(offset, kClientRecSize, recordBytes(state.ActivePlan));
        }
        replaceRecordFile(path_, records, &error);
    }

    if (!error.empty()) {
        platform::showOk(boxes, std::string(displayName) + " Error",
                         "Unable to save debt information due to the following error:\r\n" + error +
                             "\r\n" + path_,
                         platform::MsgIcon::Warning, owner);
        return false;
    }
    state.SavedPlan = state.ActivePlan;
    state.PlanIndex = target;
    return true;
}

DeleteResult PlanFileStore::deleteRecord(int k, PlanState& state, platform::MessageBoxes& boxes,
                                         platform::WindowHandle owner) const {
    std::string records;
    {
        const FileHandle file = openForReadingAndWriting(path_);
        if (!file.isOpen()) {
            platform::showOk(boxes, "Disk Error", "Unable to delete Debt Information.",
                             platform::MsgIcon::Warning, owner);
            return DeleteResult::NotOpened;
        }
        records = readWholeRecords(file);
    }
    const int count = static_cast<int>(records.size() / kClientRecSize);
    if (k < 0 || k >= count)
        return DeleteResult::NoSuchRecord;

    records.erase(static_cast<std::size_t>(k) * kClientRecSize, kClientRecSize);
    std::string error;
    if (!replaceRecordFile(path_, records, &error)) {
        throw PlanFileError("Cannot delete plan " + std::to_string(k) + " from " + path_ + ": " +
                            error);
    }
    if (k == state.PlanIndex) {
        state.PlanIndex = -1;
    } else if (k < state.PlanIndex) {
        --state.PlanIndex;
    }
    return DeleteResult::Deleted;
}

}  // namespace plan
