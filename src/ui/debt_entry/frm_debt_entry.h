#pragma once

// "Enter Debt Information": adds a debt to the plan in memory or edits one, and walks
// through the plan's debts. Every value is checked before the debt is stored; a stored
// debt goes into ActivePlan at once (the data file is the main window's business).
// Shown modally with exec(); usually opened through runDebtEntry (run_debt_entry.h).

#include <QMainWindow>
#include <string>

#include "plan/plan_state.h"
#include "ui/debt_entry/debt_entry_rules.h"
#include "ui/debt_entry/debt_entry_services.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolBar;

namespace ui {

class TfrmDebtEntry : public QMainWindow {
    Q_OBJECT

  public:
    // Works on debt state.CurrentDebt: a new debt when `adding` (CurrentDebt is then
    // NumDebts + 1), else an existing one. The state and services must outlive the form.
    TfrmDebtEntry(plan::PlanState& state, const DebtEntryServices& services, bool adding,
                  QWidget* parent = nullptr);
    ~TfrmDebtEntry() override;

    // Shows the form modally (to its parent window) and returns when it closes.
    void exec();
    // True when the form was closed with OK.
    bool accepted() const { return accepted_; }
    bool adding() const { return adding_; }

    // The help topic F1 opens now: the interest rate section while the small-rate
    // question is open, else the form's topic.
    std::string helpTopic() const;

    void LoadData();
    bool ChangedDebtData() const;
    bool DoUpdate();
    bool CheckMinPay();
    bool CheckCurPay();
    bool CheckBalance();
    bool CheckIntRate();
    bool CheckPriority();
    bool CheckPayDate();
    bool DebtInfoOkay();
    void PutDebtIntoArray();
    void FirstDebt();
    void PreviousDebt();
    void NextDebt();
    void LastDebt();
    void FixFields();
    void RestoreToolbars();
    void btnOKClick();
    void btnCancelClick();

  Q_SIGNALS:
    void closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildMenusAndToolbar();
    void FormShow();
    void ShowHelp();
    void beep();
    bool priorityInUse() const;
    bool fail(QLineEdit* field, const std::string& caption, const std::string& text,
              platform::MsgIcon icon = platform::MsgIcon::Warning);
    void navigate(const std::string& target, int kind);
    void countNewDebt();
    void notifyDebtsChanged();
    void tidyAmount(QLineEdit* field, bool isMinPay);
    EntryField fieldKind(QObject* edit) const;
    int currentDebt() const { return state_.CurrentDebt; }

    plan::PlanState& state_;
    const DebtEntryServices& services_;
    bool adding_;
    bool accepted_ = false;
    bool shown_ = false;
    bool rateQuestionOpen_ = false;

    QLineEdit* edtDebtName_ = nullptr;
    QLineEdit* edtMinPay_ = nullptr;
    QLineEdit* edtCurPay_ = nullptr;
    QLineEdit* edtBalance_ = nullptr;
    QLineEdit* edtIntRate_ = nullptr;
    QComboBox* cmbxRateMethod_ = nullptr;
    QLineEdit* edtPayDate_ = nullptr;
    QLineEdit* edtPriority_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QTimer* CalcTimer_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QLabel* lblDebtNumber_ = nullptr;
    QAction* actFirst_ = nullptr;
    QAction* actPrevious_ = nullptr;
    QAction* actNext_ = nullptr;
    QAction* actLast_ = nullptr;

    // What LoadData put into the controls, for ChangedDebtData.
    QString loadedTexts_[7];
    int loadedRateIndex_ = 0;

    // Values parsed by the checks.
    double minPay_ = 0;
    bool minPayIsPercent_ = false;
    double curPay_ = 0;
    double balance_ = 0;
    double rate_ = 0;
    int priority_ = 1;
    int payDay_ = 1;
};

}  // namespace ui
