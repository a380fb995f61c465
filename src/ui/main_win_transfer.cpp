// The main window's controls and the plan in memory: transfer, checks, the debt list.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "calc/consolidation.h"
#include "calc/number_text.h"
#include "calc/priorities.h"
#include "plan/plan_file_store.h"
#include "ui/debt_grid.h"
#include "ui/debt_list_delegate.h"
#include "ui/debt_sort.h"
#include "ui/main_win.h"
#include "ui/main_win_support.h"
#include "ui/screen_values.h"

namespace ui {

using namespace main_win_detail;

// ---------------------------------------------------------------- controls <-> plan

bool TMainWin::consolidationOnScreen() const {
    return cmbxReductionPlan->currentIndex() == 1;
}

void TMainWin::PutClientToScreen() {
    const plan::TClientRec& p = plan_.ActivePlan;
    const platform::LocaleInfo& locale = services_.locale;
    const bool currency = config_->CurrencyStringScreenGrids;
    {
        const QSignalBlocker b1(cmbxReductionPlan), b2(cmbxConMethod), b3(cmbxExtraPmtSrc),
            b4(cmbxPriorityMethod), b5(cmbxConAPREff), b6(cmbxStartMonth);
        cmbxReductionPlan->setCurrentIndex(clampIndex(p.ReductionPlan - 1, 3));
        // Long texts show from their start.
        for (auto [e, t] : {std::pair{edtReportTitle, p.ReportTitle.text()},
                            std::pair{edtProvidedFor, p.ProvidedFor.text()},
                            std::pair{edtProvidedBy, p.ProvidedBy.text()}}) {
            e->setText(qs(t));
            e->setCursorPosition(0);
        }
        ckbxUseMinimumPayment->setChecked(p.UseMinimumPayment == 1);
        cmbxConMethod->setCurrentIndex(clampIndex(p.ConMethod - 1, 3));
        const double extra = p.ExtraPayment;
        cxedtExtraPayment->setText(qs(calc::FormatAmount(std::max(extra, 0.0), 2, false, locale)));
        cmbxExtraPmtSrc->setCurrentIndex(clampIndex(p.ExtraPaymentSource, 3));
        cmbxPriorityMethod->setCurrentIndex(clampIndex(p.PriorityMethod - 1, 11));
        edtConMonthsInLoan->setText(QString::number(p.ConMonthsInLoan));
        edtConFee->setText(qs(calc::FormatAmount(p.ConFee, 2, currency, locale)));
        edtConMonthlyPayment->setText(
            qs(calc::FormatAmount(p.ConMonthlyPayment, 2, currency, locale)));
        edtConNewRate->setText(qs(calc::FormatAmount(p.ConNewRate, 4, false, locale)));
        cmbxConAPREff->setCurrentIndex(clampIndex(p.ConRateKind - 1, 2));
        const double timed = p.TimedMonths;
        edtTimedMonths->setText(QString::number(static_cast<long long>(std::llround(timed))));
        cmbxStartMonth->setCurrentIndex(clampIndex(p.StartMonth - 1, 12));
        edtStartYear->setText(QString::number(p.StartYear));
    }
    SetPriorities();
    ReloadDebtBox();
}

void TMainWin::showFieldError(const std::string& text, QWidget* field,
                              const std::string& fieldName) {
    platform::MessageBoxRequest r;
    r.caption = "Error";
    r.text = text;
    r.icon = platform::MsgIcon::Warning;
    r.owner = static_cast<QWidget*>(this);
    services_.boxes->show(r);
    if (field)
        field->setFocus();
    ErrorFieldName = fieldName;
}

bool TMainWin::PutScreenToClient() {
    ErrorFieldName.clear();
    const platform::LocaleInfo& locale = services_.locale;
    auto text = [](QLineEdit* e) { return e->text().toStdString(); };

    // 1.-2. Months: an empty edit reads as "0".
    if (edtConMonthsInLoan->text().isEmpty())
        edtConMonthsInLoan->setText(QStringLiteral("0"));
    const auto monthsInLoan = ReadMonths(text(edtConMonthsInLoan));
    if (!monthsInLoan) {
        showFieldError("Invalid Months In Loan specified. Please correct.", edtConMonthsInLoan,
                       "Months In Loan");
        return false;
    }
    conMonthsInLoan_ = *monthsInLoan;
    if (edtTimedMonths->text().isEmpty())
        edtTimedMonths->setText(QStringLiteral("0"));
    const auto timedMonths = ReadMonths(text(edtTimedMonths));
    if (!timedMonths) {
        showFieldError("Invalid Months To Pay specified. Please correct.", edtTimedMonths,
                       "Months To Pay");
        return false;
    }
    timedMonths_ = *timedMonths;

    // 3.-5. Amounts.
    const auto payment = ReadAmount(text(edtConMonthlyPayment), locale);
    if (!payment) {
        showFieldError("Invalid Monthly Payment specified. Please correct.", edtConMonthlyPayment,
                       "Monthly Payment");
        return false;
    }
    conMonthlyPayment_ = *payment;
    const auto newRate = ReadAmount(text(edtConNewRate), locale);
    if (!newRate) {
        showFieldError("Invalid New Interest Rate specified. Please correct.", edtConNewRate,
                       "New Interest Rate");
        return false;
    }
    conNewRate_ = *newRate;
    const auto fee = ReadAmount(text(edtConFee), locale);
    if (!fee) {
        showFieldError("Invalid Fee specified. Please correct.", edtConFee, "Fee");
        return false;
    }
    conFee_ = *fee;

    plan::TClientRec& p = plan_.ActivePlan;
    const int reduction = cmbxReductionPlan->currentIndex();

    // 6. Two debts with one priority cannot be scheduled.
    if (reduction == 0) {
        const calc::SharedPriority shared = calc::FindSharedPriority(p, plan_.NumDebts);
        if (shared.first > 0) {
            const plan::TDebtRec& a = p.Debts[shared.first - 1];
            const plan::TDebtRec& b = p.Debts[shared.second - 1];
            showFieldError("\"" + a.Name.text() + "\" and \"" + b.Name.text() +
                               "\" both have the same Priority of " + std::to_string(a.Priority) +
                               ".  You MUST correct this by changing one or the other.",
                           lstbxDebt, "Priority");
            return false;
        }
    }

    // 7. The consolidation loan must be able to repay the debts.
    if (reduction == 1 && plan_.NumDebts > 0) {
        calc::ConsolidationFields fields;
        fields.method = cmbxConMethod->currentIndex() + 1;
        fields.payment = conMonthlyPayment_;
        fields.newRate = conNewRate_;
        fields.rateKind = cmbxConAPREff->currentIndex() + 1;
        const calc::ConsolidationCheck check =
            calc::CheckConsolidationFields(p, plan_.NumDebts, fields, *services_.boxes);
        if (!check.ok) {
            if (auto* field = findChild<QWidget*>(qs(check.focusControl)))
                field->setFocus();
            ErrorFieldName = check.fieldName;
            return false;
        }
    }

    // 8. Store.
    p.ReductionPlan = static_cast<std::uint16_t>(reduction + 1);
    p.ReportTitle.setText(edtReportTitle->text().toStdString());
    p.ProvidedFor.setText(edtProvidedFor->text().toStdString());
    p.ProvidedBy.setText(edtProvidedBy->text().toStdString());
    p.UseMinimumPayment = ckbxUseMinimumPayment->isChecked() ? 1 : 0;
    p.ConMethod = static_cast<std::uint16_t>(cmbxConMethod->currentIndex() + 1);
    const auto extra = ReadAmount(text(cxedtExtraPayment), locale);
    p.ExtraPayment = std::max(extra.value_or(0.0), 0.0);
    p.ExtraPaymentSource = cmbxExtraPmtSrc->currentIndex();
    p.PriorityMethod = static_cast<std::uint16_t>(cmbxPriorityMethod->currentIndex() + 1);
    p.ConMonthsInLoan = static_cast<std::uint16_t>(conMonthsInLoan_);
    p.ConFee = conFee_;
    p.ConMonthlyPayment = conMonthlyPayment_;
    p.ConNewRate = conNewRate_;
    p.ConRateKind = static_cast<std::uint16_t>(cmbxConAPREff->currentIndex() + 1);
    p.TimedMonths = timedMonths_;
    p.StartMonth = static_cast<std::uint16_t>(cmbxStartMonth->currentIndex() + 1);
    p.StartYear = static_cast<std::uint16_t>(ReadStartYear(text(edtStartYear)));
    return true;
}

void TMainWin::SetPriorities() {
    calc::SetPriorities(plan_.ActivePlan, plan_.NumDebts);
}

void TMainWin::ReloadDebtBox() {
    const plan::TClientRec& p = plan_.ActivePlan;
    lstbxDebt->clear();
    double balance = 0, current = 0, minimum = 0;
    for (int i = 0; i < plan_.NumDebts; ++i) {
        const plan::TDebtRec& d = p.Debts[i];
        auto* row = new QListWidgetItem(qs(d.Name.text()));
        row->setSizeHint(QSize(lstbxDebt->width(), delegate_->rowHeight()));
        lstbxDebt->addItem(row);
        balance += d.Balance;
        current += d.CurrentPayment;
        minimum += MinimumPaymentAmount(d);
    }
    lblDebtCount->setText(qs(DebtCountText(plan_.NumDebts)));
    const bool currency = config_->CurrencyStringScreenTotals;
    lblTotalBalance->setText(qs(calc::FormatAmount(balance, 2, currency, services_.locale)));
    lblTotalMinPayment->setText(qs(calc::FormatAmount(minimum, 2, currency, services_.locale)));
    lblTotalCurPayment->setText(qs(calc::FormatAmount(current, 2, currency, services_.locale)));
    enableDebtCommands();

    if (plan_.CurrentDebt >= 1) {
        lstbxDebt->setCurrentRow(std::min(plan_.CurrentDebt, plan_.NumDebts) - 1);
    } else if (plan_.NumDebts > 0) {
        plan_.CurrentDebt = 1;
        lstbxDebt->setCurrentRow(0);
    }
}

void TMainWin::enableDebtCommands() {
    const bool canAdd = plan_.NumDebts < plan::kMaxDebts;
    const bool any = plan_.NumDebts > 0;
    btnAdd->setEnabled(canAdd);
    mnuAddDebt->setEnabled(canAdd);
    for (QPushButton* b : {btnEdit, btnDelete, btnRemoveAll})
        b->setEnabled(any);
    for (QAction* a : {mnuEditDebt, mnuDeleteDebt, mnuRemoveAllDebts})
        a->setEnabled(any);
    mnuPrint->setEnabled(state_.PrinterCount > 0);
}

void TMainWin::AdjustDebtTitles() {
    const DebtGrid grid(lstbxDebt->width(), ScaleX);
    const int x0 = lstbxDebt->x();
    auto place = [&](QLabel* l, int left, int width) {
        l->setGeometry(x0 + left, l->y(), width, l->height());
    };
    place(lblBalance, grid.at(5), grid.at(3));
    place(lblMinimum, grid.at(8), grid.at(3));
    place(lblMinPayment, grid.at(8), grid.at(3));
    place(lblCurrent, grid.at(11), grid.at(3));
    place(lblCurPayment, grid.at(11), grid.at(3));
    place(lblInterest, grid.at(14), grid.at(4));
    place(lblRate, grid.at(14), grid.at(4));
    lblRate->lower();
    place(lblPriority, grid.at(18) - 5, grid.at(1) + 15);
    lblPriority->raise();
    place(lblPay, grid.at(19) + 8, grid.at(1));
    place(lblDate, grid.at(19) + 8, grid.at(1));
    // The totals line: values right-aligned in their columns like the rows.
    const std::array<int, 6> rights = grid.rightEdges();
    place(lblTotalBalance, grid.at(5), rights[0] - grid.at(5));
    place(lblTotalMinPayment, grid.at(8), rights[1] - grid.at(8));
    place(lblTotalCurPayment, grid.at(11), rights[2] - grid.at(11));
}

void TMainWin::EnableDisable() {
    const plan::TClientRec& p = plan_.ActivePlan;
    // 1. The sort arrow beside the sorted column's title.
    imgSortUp->hide();
    imgSortDown->hide();
    const int order = p.DebtSortOrder;
    if (order >= 1 && order <= 6) {
        QLabel* img = order % 2 == 1 ? imgSortUp : imgSortDown;
        QLabel* title = order <= 2 ? lblDebtName : order <= 4 ? lblPriority : lblDate;
        // Just past the end of the title's text, level with it.
        const QFontMetrics metrics(title->font());
        const int textWidth = metrics.horizontalAdvance(title->text().trimmed());
        const int textLeft = (title->alignment() & Qt::AlignHCenter)
                                 ? title->x() + (title->width() - textWidth) / 2
                                 : title->x();
        img->move(textLeft + textWidth + static_cast<int>(3 * ScaleX),
                  title->y() + (title->height() - img->height()) / 2);
        img->show();
        img->raise();
    }

    // 2. The panel of the reduction plan.
    const int reduction = std::clamp(config_->LastReductionPlan, 0, 2);
    pnlDebtReductionSchedule->setVisible(reduction == 0);
    pnlLoanConsolidation->setVisible(reduction == 1);
    pnlTimedDebtElimination->setVisible(reduction == 2);
    if (reduction == 1) {
        CheckConFields();
    } else if (reduction == 0) {
        SetPriorities();
        const int source = cmbxExtraPmtSrc->currentIndex();
        btnBudget->setVisible(source == 1);
        btnVariablePayment->setVisible(source == 2);
        cxedtExtraPayment->setVisible(source != 2);
        cxedtExtraPayment->setReadOnly(source == 1);
        cxedtExtraPayment->setFocusPolicy(source == 1 ? Qt::NoFocus : Qt::StrongFocus);
        cxedtExtraPayment->resize(static_cast<int>((source == 1 ? 75 : 100) * ScaleX),
                                  cxedtExtraPayment->height());
        QPalette palette = cxedtExtraPayment->palette();
        palette.setColor(QPalette::Base, source == 1
                                             ? QApplication::palette().color(QPalette::ToolTipBase)
                                             : QApplication::palette().color(QPalette::Base));
        cxedtExtraPayment->setPalette(palette);
        if (source == 1)
            btnBudget->move(cxedtExtraPayment->x() + cxedtExtraPayment->width() + 6,
                            btnBudget->y());
        else
            btnVariablePayment->move(cxedtExtraPayment->x(), btnVariablePayment->y());
        CheckVariable();
    }

    // 3. The list.
    ReloadDebtBox();
}

void TMainWin::CheckConFields() {
    const int method = cmbxConMethod->currentIndex();
    const bool payment = method == 1;
    const bool term = method == 2;
    for (QWidget* w : {static_cast<QWidget*>(lblConMonthlyPayment),
                       static_cast<QWidget*>(edtConMonthlyPayment)}) {
        w->setVisible(payment);
        w->setEnabled(payment);
    }
    for (QWidget* w :
         {static_cast<QWidget*>(lblConMonthsInLoan), static_cast<QWidget*>(edtConMonthsInLoan)}) {
        w->setVisible(term);
        w->setEnabled(term);
    }
}

void TMainWin::CheckVariable() {
    VarExtraInUse = false;
    if (cmbxExtraPmtSrc->currentIndex() != 2)
        return;
    for (int m = 0; m < plan::kScheduleMonths; ++m) {
        const double amount = plan_.ActivePlan.VariableExtra[m];
        if (amount > 0) {
            VarExtraInUse = true;
            return;
        }
    }
}

bool TMainWin::CheckForChanges() {
    if (!plan_.ChangedData())
        return true;
    switch (platform::ask(*services_.boxes, "Warning",
                          "Debt information has changed.  Save information first?",
                          platform::MsgButtons::YesNoCancel, platform::MsgIcon::Question,
                          static_cast<QWidget*>(this))) {
        case platform::MsgAnswer::Yes:
            return DoSave();
        case platform::MsgAnswer::No:
            return true;
        default:
            return false;
    }
}

bool TMainWin::FormCloseQuery() {
    if (PutScreenToClient())
        return CheckForChanges();
    const std::string text = "Due to an error with '" + ErrorFieldName +
                             "', the debt information cannot be saved.\r\n" + std::string(51, ' ') +
                             "Exit anyway?";
    return platform::ask(*services_.boxes, "Error", text, platform::MsgButtons::YesNo,
                         platform::MsgIcon::Question,
                         static_cast<QWidget*>(this)) == platform::MsgAnswer::Yes;
}

bool TMainWin::DoSave() {
    bool saved = false;
    if (!plan_.ActivePlan.PlanName.bytes().empty() && plan_.PlanIndex != -1) {
        if (!PutScreenToClient())
            return false;
        // A failed write reports itself and still counts as done.
        if (plan::PlanFileStore(state_.DataFilePath)
                .SaveAClient(plan_, false, *services_.boxes, static_cast<QWidget*>(this),
                             state_.DisplayName))
            setPlanTitle();
        saved = true;
    } else {
        saved = DoSaveAs();
    }
    if (saved && config_->BackupOnSave)
        requestBackup();
    return saved;
}

}  // namespace ui
