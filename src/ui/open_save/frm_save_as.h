#pragma once

// "Save Debt Information": asks for a plan name and appends the active plan to the data
// file as a new record under that name. Only a successful OK counts as stored; Cancel, the
// title-bar close button and Escape leave the plan and the file as they were.

#include <QDialog>

#include "plan/plan_file_store.h"
#include "plan/plan_state.h"
#include "ui/open_save/open_save_services.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class TfrmSaveAs : public QDialog {
    Q_OBJECT

  public:
    // The state, the store and the services must outlive the dialog.
    TfrmSaveAs(plan::PlanState& state, const plan::PlanFileStore& store,
               const SaveAsServices& services, QWidget* parent = nullptr);

    // True once OK has written the plan as a new record.
    bool stored() const { return stored_; }
    // Set by the Cancel button.
    bool cancelled() const { return cancelled_; }

    void btnOKClick();
    void btnCancelClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormShow();

    plan::PlanState& state_;
    const plan::PlanFileStore& store_;
    SaveAsServices services_;
    bool stored_ = false;
    bool cancelled_ = false;
    bool shown_ = false;

    QLabel* lblSaveAs_ = nullptr;
    QLineEdit* SaveAsName_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

// Shows Save As modally over `owner`; true only when the plan was stored as a new record
// (PlanIndex then names it, SavedPlan equals ActivePlan). The caller sets the window title.
bool runSaveAs(QWidget* owner, plan::PlanState& state, const plan::PlanFileStore& store,
               const SaveAsServices& services);

}  // namespace ui
