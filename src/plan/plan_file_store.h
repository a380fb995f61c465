#pragma once

// The data file of plans (Debts4.dat): a bare sequence of 13044-byte records, record k at
// byte 13044*k, no header. Record numbers are positions; deleting a record renumbers the
// ones after it. Every operation opens the file, does its work and closes it again.
//
// Writing replaces the whole file through a temporary file (platform/safe_file_write.h):
// a write that fails part-way, a full disk or a killed process leaves the previous file
// exactly as it was. Trailing bytes that do not make a whole record are ignored by every
// reader and dropped when the file is next written.

#include <string>
#include <string_view>
#include <vector>

#include "plan/plan_file_io.h"
#include "plan/plan_state.h"
#include "platform/message_boxes.h"

namespace plan {

// One plan of the list: its name (UTF-8) and record number.
struct PlanListEntry {
    std::string planName;
    int recordNumber = 0;
};

enum class LoadResult {
    Loaded,            // the asked-for record is now the active plan
    LoadedRecordZero,  // it could not be read; record 0 was loaded instead, PlanIndex 0
    NotOpened,         // the file could not be opened; nothing changed
    Failed,            // no record could be read; the plans are unchanged
};

enum class DeleteResult {
    Deleted,
    NotOpened,     // reported with the "Disk Error" box
    NoSuchRecord,  // k is not a record of the file; nothing changed
};

class PlanFileStore {
  public:
    explicit PlanFileStore(std::string dataFilePath) : path_(std::move(dataFilePath)) {}

    const std::string& DataFilePath() const { return path_; }

    // TfrmOpenDebt.LoadInClients: every record's name and number, in file order; empty
    // when the file cannot be opened. Throws PlanFileError on a read error inside the
    // file (which the program leaves to its unhandled-error path).
    std::vector<PlanListEntry> LoadInClients() const;

    // TfrmOpenDebt.GetTheClient: loads record k into SavedPlan and ActivePlan, repairs a
    // record older than 3.2 in ActivePlan only, takes PlanPassword from it and sets
    // NumDebts from DebtCount (at most 50). When record k cannot be read and k is not 0,
    // PlanIndex becomes 0 and record 0 is loaded instead. The caller sets PlanIndex to k
    // beforehand and afterwards shows the plan (title, debt list, reduction plan).
    LoadResult GetTheClient(int k, PlanState& state) const;

    // TMainWin.SaveAClient: writes "4.0" and NumDebts into ActivePlan, then writes it at
    // PlanIndex, or after the last record when `append` is set (or when PlanIndex names
    // no record of the file). On success SavedPlan := ActivePlan, PlanIndex := the record
    // written, and the result is true; the caller then sets the window title. On failure
    // the box "Unable to save debt information due to the following error:" (caption
    // `displayName` + " Error", owned by `owner`) is shown, the file, SavedPlan and
    // PlanIndex stay as they were, and the result is false.
    bool SaveAClient(PlanState& state, bool append, platform::MessageBoxes& boxes,
                     platform::WindowHandle owner, std::string_view displayName) const;

    // Deletes record k and moves the later ones down. PlanIndex follows: -1 when k was the
    // open plan, one less when k came before it. A file that cannot be opened for writing
    // gives the "Disk Error" box. A failed rewrite throws PlanFileError and changes
    // nothing, PlanIndex included.
    DeleteResult deleteRecord(int k, PlanState& state, platform::MessageBoxes& boxes,
                              platform::WindowHandle owner) const;

  private:
    std::string path_;
};

}  // namespace plan
