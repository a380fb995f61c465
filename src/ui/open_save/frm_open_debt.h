#pragma once

// "Open Debt Information": lists the stored plans by name and lets the user open, delete,
// search, export and import them. The dialog works on the data file and the plan state it
// is given; opening itself is left to the caller, which loads the chosen record.

#include <QDialog>
#include <optional>

#include "plan/plan_file_store.h"
#include "plan/plan_state.h"
#include "ui/open_save/open_save_services.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui {

class TfrmOpenDebt : public QDialog {
    Q_OBJECT

  public:
    // The state, the store and the services must outlive the dialog.
    TfrmOpenDebt(plan::PlanState& state, const plan::PlanFileStore& store,
                 const OpenDebtServices& services, QWidget* parent = nullptr);

    // The record the user chose to open; nothing until OK (or a double-click) chose one.
    std::optional<int> chosenRecord() const { return chosen_; }

    // Fills the list from the data file and enables OK, Delete and Search when it holds
    // plans, selecting the first entry.
    void LoadInClients();
    void DoOpen();
    void DoDelete();
    void DoSearch();
    void DoNext();
    void btnExportClick();
    void btnImportClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormShow();
    // Record number of the selected entry; -1 when none is selected.
    int selectedRecord() const;
    void selectRecord(int recordNumber);
    QStringList entryNames() const;
    void warn(const std::string& text, const char* caption = "Error");

    plan::PlanState& state_;
    const plan::PlanFileStore& store_;
    OpenDebtServices services_;
    std::optional<int> chosen_;
    int searchPosition_ = -1;
    bool shown_ = false;

    QListWidget* Clients_ = nullptr;
    QLabel* lblSearch_ = nullptr;
    QLineEdit* SearchData_ = nullptr;
    QPushButton* btnSearch_ = nullptr;
    QPushButton* btnNext_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnDelete_ = nullptr;
    QPushButton* btnImport_ = nullptr;
    QPushButton* btnExport_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

// Shows the Open dialog modally over `owner`. The result is the record chosen to open; the
// caller then loads it (loadChosenPlan) and shows it. Deleting records in the dialog keeps
// `state.PlanIndex` pointing at the open plan's record (-1 when that record was deleted),
// also when the dialog is cancelled.
std::optional<int> runOpenDebt(QWidget* owner, plan::PlanState& state,
                               const plan::PlanFileStore& store, const OpenDebtServices& services);

// PlanIndex := record, then the record is loaded as the active plan (with the fall-back to
// record 0 of the store). When nothing could be loaded PlanIndex keeps its value. The caller then
// sets the title, the debt list, "Last Reduction Plan" and the panels of the reduction plan.
plan::LoadResult loadChosenPlan(int record, plan::PlanState& state,
                                const plan::PlanFileStore& store);

}  // namespace ui
