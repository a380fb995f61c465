#include "ui/debt_entry/frm_debt_entry.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/number_text.h"
#include "calc/number_text.h"
#include "calc/priorities.h"

namespace ui {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
QString qs(const char* text) {
    return QString::fromUtf8(text);
}

constexpr const char* kHelpTopic = "Enter_Debt_Information.htm";
constexpr const char* kRateHelpTopic = "Enter_Debt_Information.htm#Interest_Rates";

enum Target { kFirst, kPrevious, kNext, kLast };

}  // namespace

TfrmDebtEntry::TfrmDebtEntry(plan::PlanState& state, const DebtEntryServices& services, bool adding,
                             QWidget* parent)
    : QMainWindow(parent), state_(state), services_(services), adding_(adding) {
    setObjectName(QStringLiteral("frmDebtEntry"));
    setWindowTitle(QStringLiteral("Enter Debt Information"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildControls();
    buildMenusAndToolbar();

    CalcTimer_ = new QTimer(this);
    CalcTimer_->setObjectName(QStringLiteral("CalcTimer"));
    CalcTimer_->setInterval(350);
    CalcTimer_->setSingleShot(true);
    connect(CalcTimer_, &QTimer::timeout, this, [this] { FixFields(); });
}

TfrmDebtEntry::~TfrmDebtEntry() = default;

// ---- Building the window

void TfrmDebtEntry::buildControls() {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);

    auto label = [this](const char* name, const char* text) {
        auto* l = new QLabel(qs(text), this);
        l->setObjectName(qs(name));
        return l;
    };
    auto edit = [this](const char* name, int limit) {
        auto* e = new QLineEdit(this);
        e->setObjectName(qs(name));
        e->setMaxLength(limit);
        return e;
    };

    edtDebtName_ = edit("edtDebtName", 17);
    edtMinPay_ = edit("edtMinPay", 12);
    edtCurPay_ = edit("edtCurPay", 12);
    edtBalance_ = edit("edtBalance", 12);
    edtIntRate_ = edit("edtIntRate", 12);
    edtPayDate_ = edit("edtPayDate", 2);
    edtPriority_ = edit("edtPriority", 2);
    for (QLineEdit* e :
         {edtMinPay_, edtCurPay_, edtBalance_, edtIntRate_, edtPayDate_, edtPriority_}) {
        e->setAlignment(Qt::AlignRight);
        e->installEventFilter(this);
    }
    edtPayDate_->setMaximumWidth(50);
    edtPriority_->setMaximumWidth(50);

    cmbxRateMethod_ = new QComboBox(this);
    cmbxRateMethod_->setObjectName(QStringLiteral("cmbxRateMethod"));
    cmbxRateMethod_->addItems({QStringLiteral("APR"), QStringLiteral("Effective"),
                               QStringLiteral("Monthly"), QStringLiteral("Daily")});

    int row = 0;
    auto addRow = [&](QLabel* l, QWidget* field, QWidget* extra) {
        l->setBuddy(field);
        grid->addWidget(l, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(field, row, 1);
        if (extra)
            grid->addWidget(extra, row, 2, Qt::AlignLeft | Qt::AlignVCenter);
        ++row;
    };
    addRow(label("lblDebtName", "Name of &Debt"), edtDebtName_, nullptr);
    addRow(label("lblMinPay", "&Minimum Payment"), edtMinPay_,
           label("lblMinPayHint", "(Use % for loan percentage)"));
    addRow(label("lblCurPay", "&Current Payment"), edtCurPay_, nullptr);
    addRow(label("lblBalance", "&Balance"), edtBalance_, nullptr);

    auto* rateBox = new QWidget(this);
    auto* rateRow = new QHBoxLayout(rateBox);
    rateRow->setContentsMargins(0, 0, 0, 0);
    rateRow->addWidget(label("lblPercent", "%"));
    rateRow->addWidget(cmbxRateMethod_);
    rateRow->addStretch();
    addRow(label("lblIntRate", "&Interest Rate"), edtIntRate_, rateBox);
    addRow(label("lblPayDate", "Payment Due Da&te"), edtPayDate_,
           label("lblPayDateHint", "(Day of Month)"));
    addRow(label("lblPriority", "&Priority"), edtPriority_, nullptr);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(2, 170);

    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    connect(btnOK_, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { btnCancelClick(); });

    // The button row follows "Button Alignment": left, centred or right.
    auto* buttons = new QHBoxLayout;
    if (services_.buttonAlignment != 0)
        buttons->addStretch();
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);
    if (services_.buttonAlignment != 2)
        buttons->addStretch();

    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(16, 14, 16, 12);
    column->addLayout(grid);
    column->addSpacing(12);
    column->addLayout(buttons);
    setCentralWidget(central);
}

void TfrmDebtEntry::buildMenusAndToolbar() {
    auto add = [this](QMenu* menu, const char* name, const std::string& caption, auto slot) {
        auto* action = menu->addAction(qs(caption));
        action->setObjectName(qs(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, "mnuSaveExit", "Save && E&xit", [this] { btnOKClick(); });

    QMenu* navigate = menuBar()->addMenu(QStringLiteral("&Navigate"));
    actPrevious_ = add(navigate, "mnuPreviousDebt", "&Previous Debt", [this] { PreviousDebt(); });
    actNext_ = add(navigate, "mnuNextDebt", "&Next Debt", [this] { NextDebt(); });
    actFirst_ = add(navigate, "mnuFirstDebt", "&First Debt", [this] { FirstDebt(); });
    actLast_ = add(navigate, "mnuLastDebt", "&Last Debt", [this] { LastDebt(); });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    add(tools, "mnuRestoreToolbars", "Restore &Toolbars", [this] { RestoreToolbars(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* helpAction =
        add(help, "mnuHelp", services_.displayName + " &Help...", [this] { ShowHelp(); });
    helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    helpAction->setShortcutContext(Qt::WindowShortcut);

    toolbar_ = addToolBar(QStringLiteral("Navigate"));
    toolbar_->setObjectName(QStringLiteral("tbNavigate"));
    QStyle* s = style();
    actFirst_->setIcon(s->standardIcon(QStyle::SP_MediaSkipBackward));
    actPrevious_->setIcon(s->standardIcon(QStyle::SP_MediaSeekBackward));
    actNext_->setIcon(s->standardIcon(QStyle::SP_MediaSeekForward));
    actLast_->setIcon(s->standardIcon(QStyle::SP_MediaSkipForward));
    for (QAction* a : {actFirst_, actPrevious_, actNext_, actLast_})
        toolbar_->addAction(a);
    lblDebtNumber_ = new QLabel(toolbar_);
    lblDebtNumber_->setObjectName(QStringLiteral("lblDebtNumber"));
    lblDebtNumber_->setContentsMargins(10, 0, 10, 0);
    toolbar_->addWidget(lblDebtNumber_);
}

// ---- Showing and closing

void TfrmDebtEntry::exec() {
    setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    show();
    if (!isVisible())
        return;
    QEventLoop loop;
    connect(this, &TfrmDebtEntry::closed, &loop, &QEventLoop::quit);
    loop.exec();
}

void TfrmDebtEntry::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TfrmDebtEntry::FormShow() {
    if (services_.loadToolbarLayout) {
        const QByteArray layout = services_.loadToolbarLayout();
        if (!layout.isEmpty())
            restoreState(layout);
    }
    if (services_.applyAppearance)
        services_.applyAppearance(*this);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    LoadData();
    edtDebtName_->setFocus();
}

void TfrmDebtEntry::closeEvent(QCloseEvent* event) {
    CalcTimer_->stop();
    if (services_.saveToolbarLayout)
        services_.saveToolbarLayout(saveState());
    QMainWindow::closeEvent(event);
    Q_EMIT closed();
}

void TfrmDebtEntry::RestoreToolbars() {
    removeToolBar(toolbar_);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    toolbar_->show();
    menuBar()->show();
}

void TfrmDebtEntry::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        btnCancelClick();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        if (focusWidget() == btnCancel_)
            btnCancelClick();
        else
            btnOKClick();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---- Help and sounds

std::string TfrmDebtEntry::helpTopic() const {
    return rateQuestionOpen_ ? kRateHelpTopic : kHelpTopic;
}

void TfrmDebtEntry::ShowHelp() {
    if (services_.showHelp)
        services_.showHelp(helpTopic());
}

void TfrmDebtEntry::beep() {
    if (services_.beep)
        services_.beep();
    else
        QApplication::beep();
}

// ---- Loading and change detection

bool TfrmDebtEntry::priorityInUse() const {
    return state_.ActivePlan.ReductionPlan == 1 &&
           state_.ActivePlan.PriorityMethod == calc::kUserSpecified;
}

void TfrmDebtEntry::LoadData() {
    const int n = currentDebt();
    const platform::LocaleInfo& locale = services_.locale;
    lblDebtNumber_->setText(QStringLiteral("Debt #") + QString::number(n));
    edtPriority_->setEnabled(priorityInUse());

    const plan::TDebtRec& debt = state_.ActivePlan.Debts[n - 1];
    const bool currency = services_.currencyStringScreenGrids;
    const double minPay = debt.MinPayment;
    edtDebtName_->setText(qs(debt.Name.text()));
    if (debt.MinPayIsPercent != 0)
        edtMinPay_->setText(qs(calc::FormatAmount(minPay, 0, false, locale) + "%"));
    else
        edtMinPay_->setText(qs(calc::FormatAmount(minPay, 2, currency, locale)));
    edtCurPay_->setText(qs(calc::FormatAmount(debt.CurrentPayment, 2, currency, locale)));
    edtBalance_->setText(qs(calc::FormatAmount(debt.Balance, 2, currency, locale)));
    const int kind = debt.RateKind;
    edtIntRate_->setText(qs(calc::FormatAmount(debt.Rate, kind == 4 ? 5 : 4, false, locale)));
    edtPriority_->setText(QString::number(debt.Priority));
    edtPayDate_->setText(QString::number(debt.PayDay));
    cmbxRateMethod_->setCurrentIndex(kind >= 1 && kind <= 4 ? kind - 1 : 0);

    const QLineEdit* edits[7] = {edtDebtName_, edtMinPay_,  edtCurPay_,  edtBalance_,
                                 edtIntRate_,  edtPayDate_, edtPriority_};
    for (int i = 0; i < 7; ++i)
        loadedTexts_[i] = edits[i]->text();
    loadedRateIndex_ = cmbxRateMethod_->currentIndex();

    actFirst_->setEnabled(n > 1);
    actPrevious_->setEnabled(n > 1);
    actNext_->setEnabled(n < state_.NumDebts);
    actLast_->setEnabled(n < state_.NumDebts);
}

bool TfrmDebtEntry::ChangedDebtData() const {
    const QLineEdit* edits[7] = {edtDebtName_, edtMinPay_,  edtCurPay_,  edtBalance_,
                                 edtIntRate_,  edtPayDate_, edtPriority_};
    for (int i = 0; i < 7; ++i)
        if (edits[i]->text() != loadedTexts_[i])
            return true;
    return cmbxRateMethod_->currentIndex() != loadedRateIndex_;
}

// ---- Checks

bool TfrmDebtEntry::fail(QLineEdit* field, const std::string& caption, const std::string& text,
                         platform::MsgIcon icon) {
    platform::showOk(*services_.boxes, caption, text, icon, this);
    field->setFocus();
    return false;
}

bool TfrmDebtEntry::CheckMinPay() {
    std::string text = TrimText(edtMinPay_->text().toStdString());
    minPayIsPercent_ = !text.empty() && text.back() == '%';
    if (minPayIsPercent_) {
        text.pop_back();
        const std::optional<double> percent = ReadAmount(text, services_.locale);
        if (!percent || *percent < 1 || *percent > 100)
            return fail(edtMinPay_, "Error",
                        "Invalid minimum payment percentage specified. Percentage must be "
                        "between 1 and 100.");
        minPay_ = *percent;
        return true;
    }
    const std::optional<double> amount = ReadAmount(text, services_.locale);
    if (!amount)
        return fail(edtMinPay_, "Error", "Invalid minimum payment specified. Please correct.");
    minPay_ = *amount;
    return true;
}

bool TfrmDebtEntry::CheckCurPay() {
    const std::optional<double> amount =
        ReadAmount(edtCurPay_->text().toStdString(), services_.locale);
    if (!amount)
        return fail(edtCurPay_, "Error", "Invalid current payment specified. Please correct.");
    curPay_ = *amount;
    return true;
}

bool TfrmDebtEntry::CheckBalance() {
    const std::optional<double> amount =
        ReadAmount(edtBalance_->text().toStdString(), services_.locale, true);
    if (!amount)
        return fail(edtBalance_, "Error", "Invalid balance specified. Please correct.");
    balance_ = *amount;
    return true;
}

bool TfrmDebtEntry::CheckIntRate() {
    const std::string caption = services_.displayName + " Error";
    const std::optional<double> rate =
        ReadAmount(edtIntRate_->text().toStdString(), services_.locale);
    if (!rate)
        return fail(edtIntRate_, caption, "Invalid interest rate specified. Please correct.");
    rate_ = *rate;

    // A rate that amounts to less than 1 % a year was probably typed per month or per day.
    const int kind = cmbxRateMethod_->currentIndex() + 1;
    const double yearly = YearlyEquivalentRate(rate_, kind);
    if (yearly < 1) {
        platform::MessageBoxRequest box;
        box.caption = caption;
        box.text = SmallRateWarningText(yearly, kind, cmbxRateMethod_->currentText().toStdString(),
                                        services_.locale);
        box.icon = platform::MsgIcon::Warning;
        box.buttons = platform::MsgButtons::YesNo;
        box.owner = this;
        rateQuestionOpen_ = true;
        // F1 inside the box opens the interest rate section.
        qApp->installEventFilter(this);
        const platform::MsgAnswer answer = services_.boxes->show(box);
        qApp->removeEventFilter(this);
        rateQuestionOpen_ = false;
        if (answer == platform::MsgAnswer::Yes) {
            edtIntRate_->setFocus();
            return false;
        }
    }
    return true;
}

bool TfrmDebtEntry::CheckPriority() {
    if (!priorityInUse())
        return true;
    const std::optional<int> priority = ReadWholeNumber(edtPriority_->text().toStdString());
    if (!priority || *priority <= 0)
        return fail(edtPriority_, "Error", "Invalid priority specified. Please correct.");
    priority_ = *priority;
    return true;
}

bool TfrmDebtEntry::CheckPayDate() {
    const std::optional<int> day = ReadWholeNumber(edtPayDate_->text().toStdString());
    if (!day || *day < 1 || *day > 28)
        return fail(edtPayDate_, "Error", "Invalid payment due day specified. Please correct.");
    payDay_ = *day;
    return true;
}

bool TfrmDebtEntry::DebtInfoOkay() {
    RepaymentInput in;
    in.balance = balance_;
    in.minPay = minPay_;
    in.minPayIsPercent = minPayIsPercent_;
    in.currentPayment = curPay_;
    in.rate = rate_;
    in.rateKind = cmbxRateMethod_->currentIndex() + 1;
    const std::string name = TrimText(edtDebtName_->text().toStdString());
    switch (CheckRepayment(in)) {
        case RepaymentProblem::NeverRepays:
            return fail(edtMinPay_, "Error",
                        "The minimum payment as specified for \"" + name +
                            "\" can never repay the loan. You MUST correct it before proceeding.",
                        platform::MsgIcon::Question);
        case RepaymentProblem::LongerThan30Years:
            return fail(edtMinPay_, "Error",
                        "The minimum payment as specified for \"" + name +
                            "\" will not repay the loan in within a 30 year period. You MUST "
                            "correct it before proceeding.");
        case RepaymentProblem::CurrentBelowMinimum:
            return fail(edtCurPay_, "Error",
                        "The current payment as specified for \"" + name +
                            "\" cannot be less than the minimum payment. You MUST correct it "
                            "before proceeding.");
        case RepaymentProblem::None:
            break;
    }
    return true;
}

// ---- Storing

void TfrmDebtEntry::PutDebtIntoArray() {
    plan::TDebtRec& debt = state_.ActivePlan.Debts[currentDebt() - 1];
    debt.SpareByte = 0;
    debt.Name.setText(TrimText(edtDebtName_->text().toStdString()));
    debt.MinPayIsPercent = minPayIsPercent_ ? 1 : 0;
    debt.MinPayment = minPay_;
    debt.CurrentPayment = curPay_;
    debt.Balance = balance_;
    debt.Rate = rate_;
    if (priorityInUse())
        debt.Priority = static_cast<std::uint16_t>(priority_);
    debt.PayDay = static_cast<std::uint16_t>(payDay_);
    debt.RateKind = static_cast<std::uint16_t>(cmbxRateMethod_->currentIndex() + 1);
}

void TfrmDebtEntry::notifyDebtsChanged() {
    calc::SetPriorities(state_.ActivePlan, state_.NumDebts);
    if (services_.debtsChanged)
        services_.debtsChanged();
}

bool TfrmDebtEntry::DoUpdate() {
    if (!ChangedDebtData())
        return true;
    if (!CheckMinPay() || !CheckCurPay() || !CheckBalance() || !CheckIntRate() ||
        !CheckPriority() || !CheckPayDate() || !DebtInfoOkay())
        return false;
    PutDebtIntoArray();
    notifyDebtsChanged();
    return true;
}

void TfrmDebtEntry::countNewDebt() {
    state_.NumDebts += 1;
    adding_ = false;
    notifyDebtsChanged();
}

void TfrmDebtEntry::btnOKClick() {
    CalcTimer_->stop();
    if (!DoUpdate())
        return;
    if (adding_)
        countNewDebt();
    accepted_ = true;
    close();
}

void TfrmDebtEntry::btnCancelClick() {
    close();
}

// ---- Navigation

void TfrmDebtEntry::FirstDebt() {
    if (currentDebt() >= 2)
        navigate("first", kFirst);
}
void TfrmDebtEntry::PreviousDebt() {
    if (currentDebt() >= 2)
        navigate("previous", kPrevious);
}
void TfrmDebtEntry::NextDebt() {
    if (currentDebt() < state_.NumDebts)
        navigate("next", kNext);
}
void TfrmDebtEntry::LastDebt() {
    if (currentDebt() < state_.NumDebts)
        navigate("last", kLast);
}

void TfrmDebtEntry::navigate(const std::string& target, int kind) {
    CalcTimer_->stop();
    const int n = currentDebt();
    if (adding_ || ChangedDebtData()) {
        beep();
        const std::string question =
            adding_
                ? "This debt has not been added yet. Add this debt before moving to the " + target +
                      " debt?"
                : "Debt information has changed. Update before moving to the " + target + " debt?";
        const platform::MsgAnswer answer =
            platform::ask(*services_.boxes, "Warning", question, platform::MsgButtons::YesNoCancel,
                          platform::MsgIcon::Question, this, platform::MsgAnswer::No);
        if (answer == platform::MsgAnswer::Cancel)
            return;
        if (answer == platform::MsgAnswer::Yes) {
            if (!DoUpdate())
                return;
            if (adding_)
                countNewDebt();
        }
    }
    adding_ = false;
    switch (kind) {
        case kFirst:
            state_.CurrentDebt = 1;
            break;
        case kPrevious:
            state_.CurrentDebt = n - 1;
            break;
        case kNext:
            state_.CurrentDebt = n + 1;
            break;
        default:
            state_.CurrentDebt = state_.NumDebts;
            break;
    }
    LoadData();
}

// ---- Typing and tidying

EntryField TfrmDebtEntry::fieldKind(QObject* edit) const {
    if (edit == edtMinPay_)
        return EntryField::MinPay;
    if (edit == edtIntRate_)
        return EntryField::Rate;
    if (edit == edtPayDate_ || edit == edtPriority_)
        return EntryField::WholeNumber;
    return EntryField::Amount;
}

bool TfrmDebtEntry::eventFilter(QObject* watched, QEvent* event) {
    // While the small-rate question is open the application's F1 opens the rate section.
    if (rateQuestionOpen_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        ShowHelp();
        return true;
    }
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr || edit == edtDebtName_ || edit->window() != this)
        return QMainWindow::eventFilter(watched, event);

    const bool amount = edit == edtMinPay_ || edit == edtCurPay_ || edit == edtBalance_;
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            const QString typed = key->text();
            if (typed.isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                break;
            if (!NumericOnly(typed.toStdString(), edit->text().toStdString(), fieldKind(edit),
                             services_.locale)) {
                beep();
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
            if (amount && !(edit == edtMinPay_ && edit->text().contains(QLatin1Char('%')))) {
                edit->setText(
                    qs(app::StripMoneyText(edit->text().toStdString(), services_.locale)));
                edit->selectAll();
                // A mouse click places the cursor after the focus arrives; select again then.
                QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
            }
            break;
        case QEvent::FocusOut:
            if (amount)
                CalcTimer_->start();
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmDebtEntry::tidyAmount(QLineEdit* field, bool isMinPay) {
    if (field->hasFocus())
        return;
    const QString text = field->text();
    if (isMinPay && text.contains(QLatin1Char('%'))) {
        field->setText(text.left(text.indexOf(QLatin1Char('%')) + 1));
        return;
    }
    const std::string stripped =
        TrimText(app::StripMoneyText(text.toStdString(), services_.locale));
    double value = 0;
    if (!stripped.empty()) {
        try {
            value = app::StrToFloat(stripped, services_.locale);
        } catch (const app::ConversionError&) {
            return;  // left as typed; the check on OK names the problem
        }
    }
    field->setText(
        qs(calc::FormatAmount(value, 2, services_.currencyStringScreenTotals, services_.locale)));
}

void TfrmDebtEntry::FixFields() {
    tidyAmount(edtMinPay_, true);
    tidyAmount(edtCurPay_, false);
    tidyAmount(edtBalance_, false);
}

}  // namespace ui
