#include "ui/main_win.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolBar>
#include <algorithm>
#include <cmath>

#include "app/activity_trail.h"
#include "app/environment_text.h"
#include "app/qt_button_row.h"
#include "app/qt_form_position.h"
#include "app/qt_printers.h"
#include "app/qt_screen_fonts.h"
#include "app/quick_start.h"
#include "calc/consolidation.h"
#include "calc/number_text.h"
#include "calc/priorities.h"
#include "plan/plan_file_store.h"
#include "settings/toolbar_layouts.h"
#include "ui/debt_grid.h"
#include "ui/debt_list_delegate.h"
#include "ui/debt_sort.h"
#include "ui/key_filters.h"
#include "ui/menu_appearance.h"
#include "ui/new_plan_defaults.h"
#include "ui/plan_password_lookup.h"
#include "ui/screen_values.h"

namespace ui {
namespace {

constexpr const char* kMainWindowName = "MainWin";
constexpr int kDesignedWidth = 681;
constexpr int kDesignedHeight = 437;

std::vector<std::uint8_t> toBytes(const QByteArray& a) {
    return std::vector<std::uint8_t>(a.begin(), a.end());
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const char* text, QRect geometry,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = named(new QLabel(QString::fromLatin1(text), parent), name);
    l->setGeometry(geometry);
    l->setAlignment(align);
    return l;
}

QComboBox* combo(QWidget* parent, const char* name, QStringList items, QRect geometry) {
    auto* c = named(new QComboBox(parent), name);
    c->addItems(items);
    c->setGeometry(geometry);
    return c;
}

QLineEdit* edit(QWidget* parent, const char* name, int maxLength, QRect geometry) {
    auto* e = named(new QLineEdit(parent), name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    e->setGeometry(geometry);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* b = named(new QPushButton(QString::fromLatin1(text), parent), name);
    b->setGeometry(geometry);
    return b;
}

// A small filled triangle for the sort arrows.
QPixmap arrow(bool up) {
    QPixmap pixmap(9, 6);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 64, 64));
    const QPolygon shape = up ? QPolygon({QPoint(0, 5), QPoint(8, 5), QPoint(4, 0)})
                              : QPolygon({QPoint(0, 0), QPoint(8, 0), QPoint(4, 5)});
    p.drawPolygon(shape);
    return pixmap;
}

plan::Date systemToday() {
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

int clampIndex(int value, int count) {
    return std::clamp(value, 0, count - 1);
}

QStringList fromLatin1(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    return list;
}

// A row: the label's and the control's middles line up on `middle`.
void alignRow(QWidget* labelWidget, QWidget* control, int middle) {
    labelWidget->move(labelWidget->x(), middle - labelWidget->height() / 2);
    control->move(control->x(), middle - control->height() / 2);
}

}  // namespace

TMainWin::TMainWin(app::ProcessState& state, StartupServices services, QWidget* parent)
    : QMainWindow(parent), state_(state), services_(std::move(services)) {
    setObjectName(QString::fromLatin1(kMainWindowName));
    buildControls();
    buildMenus();
    FormCreate();
}

TMainWin::~TMainWin() = default;

// ---------------------------------------------------------------- controls and menus

void TMainWin::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(kDesignedWidth, kDesignedHeight);
    setCentralWidget(client_);
    QWidget* c = client_;

    label(c, "lblReductionPlan", "Reduction Plan", {11, 8, 90, 22});
    cmbxReductionPlan = combo(
        c, "cmbxReductionPlan",
        fromLatin1({"Debt Reduction Schedule", "Loan Consolidation", "Timed Debt Elimination"}),
        {104, 8, 200, 22});

    // Titles over the debt list; placed by AdjustDebtTitles.
    lblDebtName = label(c, "lblDebtName", "Debt Name ", {13, 50, 80, 16});
    lblBalance = label(c, "lblBalance", "Balance", {0, 50, 10, 16}, Qt::AlignCenter);
    lblMinimum = label(c, "lblMinimum", "Minimum", {0, 36, 10, 16}, Qt::AlignCenter);
    lblMinPayment = label(c, "lblMinPayment", "Payment", {0, 50, 10, 16}, Qt::AlignCenter);
    lblCurrent = label(c, "lblCurrent", "Current", {0, 36, 10, 16}, Qt::AlignCenter);
    lblCurPayment = label(c, "lblCurPayment", "Payment", {0, 50, 10, 16}, Qt::AlignCenter);
    lblInterest = label(c, "lblInterest", "Interest", {0, 36, 10, 16}, Qt::AlignCenter);
    lblRate = label(c, "lblRate", "Rate", {0, 50, 10, 16}, Qt::AlignCenter);
    lblPriority = label(c, "lblPriority", "Priority", {0, 50, 10, 16}, Qt::AlignCenter);
    lblPay = label(c, "lblPay", "Pay", {0, 36, 10, 16}, Qt::AlignCenter);
    lblDate = label(c, "lblDate", "Date", {0, 50, 10, 16}, Qt::AlignCenter);
    for (QLabel* title : {lblDebtName, lblPriority, lblPay, lblDate}) {
        title->installEventFilter(this);
        title->setCursor(Qt::PointingHandCursor);
    }
    imgSortUp = named(new QLabel(c), "imgSortUp");
    imgSortUp->setPixmap(arrow(true));
    imgSortUp->resize(9, 6);
    imgSortUp->hide();
    imgSortDown = named(new QLabel(c), "imgSortDown");
    imgSortDown->setPixmap(arrow(false));
    imgSortDown->resize(9, 6);
    imgSortDown->hide();

    lstbxDebt = named(new QListWidget(c), "lstbxDebt");
    lstbxDebt->setGeometry(11, 68, 659, 164);
    lstbxDebt->setUniformItemSizes(true);
    lstbxDebt->setSelectionMode(QAbstractItemView::SingleSelection);
    lstbxDebt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstbxDebt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DebtListDelegate::Source source;
    source.rowTexts = [this](int row) {
        if (row < 0 || row >= plan::kMaxDebts)
            return DebtRowTexts{};
        return DebtRowTextsOf(plan_.ActivePlan.Debts[row], consolidationOnScreen(),
                              config_->CurrencyStringScreenGrids, services_.locale);
    };
    source.scaleX = [this] { return ScaleX; };
    source.stopped = [this] { return ShutdownDone; };
    delegate_ = new DebtListDelegate(std::move(source), lstbxDebt);
    lstbxDebt->setItemDelegate(delegate_);
    connect(lstbxDebt, &QListWidget::itemDoubleClicked, this, [this] { DoEdit(); });

    lblTotals = label(c, "lblTotals", "Totals", {13, 236, 40, 16});
    lblDebtCount = label(c, "lblDebtCount", "(0 Debts)", {56, 236, 80, 16});
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    lblTotalBalance = label(c, "lblTotalBalance", "", {0, 236, 10, 16}, right);
    lblTotalMinPayment = label(c, "lblTotalMinPayment", "", {0, 236, 10, 16}, right);
    lblTotalCurPayment = label(c, "lblTotalCurPayment", "", {0, 236, 10, 16}, right);

    // The three panels share one place; EnableDisable shows one.
    const QRect panelRect(11, 260, 330, 132);
    auto panel = [&](const char* name) {
        auto* f = named(new QFrame(c), name);
        f->setFrameShape(QFrame::StyledPanel);
        f->setGeometry(panelRect);
        return f;
    };
    pnlDebtReductionSchedule = panel("pnlDebtReductionSchedule");
    {
        QWidget* p = pnlDebtReductionSchedule;
        QLabel* l = label(p, "lblExtraPayment", "Extra Payment", {8, 0, 100, 18});
        cmbxExtraPmtSrc = combo(p, "cmbxExtraPmtSrc", fromLatin1({"Enter", "Budget", "Variable"}),
                                {110, 0, 82, 22});
        alignRow(l, cmbxExtraPmtSrc, 22);
        cxedtExtraPayment = edit(p, "cxedtExtraPayment", 11, {198, 0, 100, 22});
        alignRow(l, cxedtExtraPayment, 22);
        cxedtExtraPayment->installEventFilter(this);
        btnBudget = button(p, "btnBudget", "&Budget", {198, 0, 120, 24});
        btnVariablePayment =
            button(p, "btnVariablePayment", "&Variable Payment", {198, 0, 120, 24});
        alignRow(l, btnBudget, 22);
        alignRow(l, btnVariablePayment, 22);
        QLabel* pl = label(p, "lblPriorityMethod", "Priority Method", {8, 0, 100, 18});
        QStringList methods;
        for (std::string_view name : calc::kPriorityMethodNames)
            methods << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        cmbxPriorityMethod = combo(p, "cmbxPriorityMethod", methods, {110, 0, 210, 22});
        alignRow(pl, cmbxPriorityMethod, 60);
        ckbxUseMinimumPayment = named(new QCheckBox(QStringLiteral("&Use Minimum Payment"), p),
                                      "ckbxUseMinimumPayment");
        ckbxUseMinimumPayment->setGeometry(110, 88, 210, 22);
    }
    pnlLoanConsolidation = panel("pnlLoanConsolidation");
    {
        QWidget* p = pnlLoanConsolidation;
        QLabel* l = label(p, "lblConMethod", "Method", {8, 0, 110, 18});
        cmbxConMethod =
            combo(p, "cmbxConMethod", fromLatin1({"Automatic", "Specify Payment", "Specify Term"}),
                  {122, 0, 140, 22});
        alignRow(l, cmbxConMethod, 16);
        lblConMonthlyPayment = label(p, "lblConMonthlyPayment", "Monthly Payment", {8, 0, 110, 18});
        edtConMonthlyPayment = edit(p, "edtConMonthlyPayment", 0, {122, 0, 100, 22});
        alignRow(lblConMonthlyPayment, edtConMonthlyPayment, 41);
        lblConMonthsInLoan = label(p, "lblConMonthsInLoan", "Months In Loan", {8, 0, 110, 18});
        edtConMonthsInLoan = edit(p, "edtConMonthsInLoan", 3, {122, 0, 60, 22});
        alignRow(lblConMonthsInLoan, edtConMonthsInLoan, 66);
        l = label(p, "lblConNewRate", "New Rate", {8, 0, 110, 18});
        edtConNewRate = edit(p, "edtConNewRate", 0, {122, 0, 80, 22});
        cmbxConAPREff = combo(p, "cmbxConAPREff", fromLatin1({"APR", "Eff"}), {208, 0, 60, 22});
        alignRow(l, edtConNewRate, 91);
        alignRow(l, cmbxConAPREff, 91);
        l = label(p, "lblConFee", "Fee", {8, 0, 110, 18});
        edtConFee = edit(p, "edtConFee", 0, {122, 0, 100, 22});
        alignRow(l, edtConFee, 116);
    }
    pnlTimedDebtElimination = panel("pnlTimedDebtElimination");
    {
        QWidget* p = pnlTimedDebtElimination;
        QLabel* l = label(p, "lblTimedMonths", "Months To Pay", {8, 0, 110, 18});
        edtTimedMonths = edit(p, "edtTimedMonths", 3, {122, 0, 60, 22});
        alignRow(l, edtTimedMonths, 22);
    }
    for (QLineEdit* e :
         {edtConMonthlyPayment, edtConMonthsInLoan, edtConNewRate, edtConFee, edtTimedMonths})
        e->installEventFilter(this);

    // Debt plan information.
    auto* info = named(new QFrame(c), "pnlDebtPlanInformation");
    info->setFrameShape(QFrame::StyledPanel);
    info->setGeometry(350, 260, 320, 132);
    {
        QWidget* p = info;
        auto* heading =
            label(p, "lblDebtPlanInformation", "Debt Plan Information", {8, 2, 300, 18});
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        QLabel* l = label(p, "lblReportTitle", "Report Title", {8, 0, 80, 18});
        edtReportTitle = edit(p, "edtReportTitle", 60, {92, 0, 220, 22});
        alignRow(l, edtReportTitle, 36);
        l = label(p, "lblProvidedFor", "Provided For", {8, 0, 80, 18});
        edtProvidedFor = edit(p, "edtProvidedFor", 40, {92, 0, 220, 22});
        alignRow(l, edtProvidedFor, 61);
        l = label(p, "lblProvidedBy", "Provided By", {8, 0, 80, 18});
        edtProvidedBy = edit(p, "edtProvidedBy", 40, {92, 0, 220, 22});
        alignRow(l, edtProvidedBy, 86);
        l = label(p, "lblStartMonth", "Start Month", {8, 0, 80, 18});
        QStringList months;
        for (const std::string& m : services_.locale.longMonthNames)
            months << qs(m);
        cmbxStartMonth = combo(p, "cmbxStartMonth", months, {92, 0, 120, 22});
        alignRow(l, cmbxStartMonth, 111);
        l = label(p, "lblStartYear", "Year", {220, 0, 36, 18});
        edtStartYear = edit(p, "edtStartYear", 4, {258, 0, 54, 22});
        alignRow(l, edtStartYear, 111);
    }

    // The button row; PlaceButton moves them sideways at first showing.
    const int buttonTop = 402;
    btnAdd = button(c, "btnAdd", "&Add", {0, buttonTop, 80, 25});
    btnEdit = button(c, "btnEdit", "&Edit", {0, buttonTop, 80, 25});
    btnDelete = button(c, "btnDelete", "De&lete", {0, buttonTop, 80, 25});
    btnRemoveAll = button(c, "btnRemoveAll", "Re&move All", {0, buttonTop, 80, 25});
    btnReports = button(c, "btnReports", "Re&ports", {0, buttonTop, 80, 25});
    btnCalc = button(c, "btnCalc", "&Calc", {0, buttonTop, 80, 25});

    connect(btnAdd, &QPushButton::clicked, this, [this] { DoAdd(); });
    connect(btnEdit, &QPushButton::clicked, this, [this] { DoEdit(); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { DoDelete(); });
    connect(btnRemoveAll, &QPushButton::clicked, this, [this] { DoClear(); });

    connect(cmbxReductionPlan, &QComboBox::currentIndexChanged, this,
            [this](int index) { reductionPlanChanged(index); });
    for (QComboBox* box : {cmbxPriorityMethod, cmbxStartMonth, cmbxConAPREff})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { priorityMethodChanged(); });
    connect(cmbxConMethod, &QComboBox::currentIndexChanged, this, [this] { CheckConFields(); });
    connect(cmbxExtraPmtSrc, &QComboBox::currentIndexChanged, this, [this] { EnableDisable(); });
}

// ---------------------------------------------------------------- start-up and shutdown

void TMainWin::FormCreate() {
    app::CurrentActivity().clear();

    // 2. The configuration: location, every setting, the running version.
    config_ = std::make_unique<settings::TConfigManager>(*services_.registry, *services_.boxes,
                                                         services_.program, services_.locale);
    config_->onBusy = [](bool busy) {
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    };
    // Message boxes take their owner as the QWidget* itself.
    QWidget* const owner = this;
    config_->setApplicationWindow(owner);
    config_->mainWindow = owner;
    config_->setDisplayName(state_.DisplayName);
    config_->ReadPrefLocation();
    config_->LoadSettings(settings::kAllSections);
    config_->StoreVersion(services_.version);

    // 3. The program customization comes with its own work; DisplayName stays as it is.
    setWindowTitle(qs(state_.DisplayName));

    // 4. Count this run.
    if (app::CountRun(config_->Uses))
        config_->SaveSettings(settings::kRootSection);

    // 5.-8. Data file, shared folder, sample data, backup at start.
    state_.ProgramFolder = services_.program.folder;
    const app::DataFileResult dataFile = app::PrepareDataFile(
        static_cast<int>(config_->prefLocation()), state_.ProgramFolder, services_.dataFileHooks);
    state_.DataFilePath = dataFile.dataFilePath;
    if (dataFile.existed && (config_->BackupOnStart || IsBackupNeeded()))
        requestBackup();

    // 9. Screen size.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        state_.ScreenWidth = screen->geometry().width();
        state_.ScreenHeight = screen->geometry().height();
    }

    // A fixed single border around the designed client area.
    // The toolbar folds what does not fit behind its extension button, so the width is
    // the client's.
    adjustSize();
    setFixedSize(std::max(client_->width(), minimumSizeHint().width()), sizeHint().height());

    // 10. Window position.
    app::LoadFormPosition(*config_, this);

    // 11. The splash screen comes with its own work.

    // 12. Printers and the quick start guide.
    state_.PrinterCount = app::GetNumPrinters();
    const bool quickStart = app::QuickStartAvailable(*services_.registry, state_.ProgramFolder);
    mnuQuickStart->setVisible(quickStart);
    if (services_.launcher && quickStart &&
        app::QuickStartAtStartup(*services_.registry, settings::kProductName)) {
        app::LaunchQuickStart(*services_.registry, *services_.launcher, state_.ProgramFolder,
                              std::string(settings::kProductName) + ":", app::kQuickStartDocument);
    }

    // 13. The diagnostics hot key; an application-wide shortcut works only while the
    // program is active, as the hot key is registered only then.
    auto* hotKey =
        new QShortcut(QKeySequence(Qt::ALT | Qt::CTRL | Qt::SHIFT | Qt::META | Qt::Key_3), this);
    hotKey->setContext(Qt::ApplicationShortcut);
    connect(hotKey, &QShortcut::activated, this, [this] {
        if (onDiagnosticsHotKey)
            onDiagnosticsHotKey();
    });
}

void TMainWin::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TMainWin::layoutAtFirstShowing() {
    const int clientWidth = client_->width();
    ScaleX = clientWidth / static_cast<double>(kDesignedWidth);
    if (ScaleX == 0)
        ScaleX = 1.0;

    // The window's own button row is always laid out the same way.
    app::ButtonRowState& row = state_.ButtonRow;
    row.mode = app::ButtonAlignment::Left;
    row.lastLeft = -1;
    app::PlaceButton(row, btnAdd, app::kFirstFromLeft, clientWidth, 4, ScaleX);
    for (QPushButton* b : {btnEdit, btnDelete, btnRemoveAll})
        app::PlaceButton(row, b, app::kFollowing, clientWidth, 4, ScaleX);
    row.mode = app::ButtonAlignment::Right;
    app::PlaceButton(row, btnReports, app::kFirstFromRight, clientWidth, 2, ScaleX);
    app::PlaceButton(row, btnCalc, app::kFollowing, clientWidth, 2, ScaleX);
    // Every other dialog follows "Button Alignment".
    row.mode = config_->ButtonAlignment == 0   ? app::ButtonAlignment::Left
               : config_->ButtonAlignment == 1 ? app::ButtonAlignment::Centre
                                               : app::ButtonAlignment::Right;
    row.lastLeft = -1;

    const QSignalBlocker b1(cmbxReductionPlan), b2(cmbxPriorityMethod), b3(cmbxConMethod),
        b4(cmbxConAPREff);
    cmbxReductionPlan->setCurrentIndex(clampIndex(config_->LastReductionPlan, 3));
    cmbxPriorityMethod->setCurrentIndex(clampIndex(config_->LastPriorityMethod, 11));
    cmbxConMethod->setCurrentIndex(clampIndex(config_->LastConsolidationMethod, 3));
    cmbxConAPREff->setCurrentIndex(clampIndex(config_->LastConsolidationRateMethod, 2));
}

void TMainWin::FormShow() {
    layoutAtFirstShowing();

    // 14. A new plan, shown.
    InitializeValues();
    plan_.PlanPassword = plan_.SavedPlan.Password.bytes();
    plan_.ActivePlan = plan_.SavedPlan;
    PutClientToScreen();

    // 15. The plan of the last run.
    loadLastPlan();

    // 16. The password prompt comes with the plan password's own work.

    // 17. Toolbar layout, discarded first when a newer version ran last.
    settings::ToolbarLayoutStore layouts(*config_);
    layouts.discardIfNewer(config_->PreviousVersion, services_.version);
    if (const auto layout = layouts.load(kMainWindowName)) {
        restoreState(QByteArray(reinterpret_cast<const char*>(layout->data()),
                                static_cast<qsizetype>(layout->size())));
    }

    // 18. Apply the configuration.
    ApplyConfig();
}

void TMainWin::loadLastPlan() {
    if (config_->LastIndex < 0) {
        plan_.PlanPassword = FirstPlanPassword(state_.DataFilePath);
        return;
    }
    try {
        plan_.PlanIndex = config_->LastIndex;
        const plan::LoadResult result =
            plan::PlanFileStore(state_.DataFilePath).GetTheClient(plan_.PlanIndex, plan_);
        if (result != plan::LoadResult::Loaded && result != plan::LoadResult::LoadedRecordZero)
            return;
        PutClientToScreen();
        setPlanTitle();
        config_->LastReductionPlan = std::clamp<int>(plan_.ActivePlan.ReductionPlan, 1, 3) - 1;
        EnableDisable();
    } catch (const std::exception&) {
        config_->LastIndex = 0;
    }
}

void TMainWin::setPlanTitle() {
    setWindowTitle(qs(state_.DisplayName + "  (" + plan_.ActivePlan.PlanName.text() + ")"));
}

void TMainWin::InitializeValues() {
    const plan::Date today = services_.today ? services_.today() : systemToday();
    plan_.InitializeValues(NewPlanDefaultsFrom(*config_), today);
    if (hooks.newPlanStarted)
        hooks.newPlanStarted();
}

void TMainWin::ApplyConfig() {
    if (hooks.errorLogFolder)
        hooks.errorLogFolder(app::ExpandEnvironmentText(config_->ErrorPathV));
    app::ApplyScreenFonts(this, *config_);
    if (auto* heading = findChild<QLabel*>(QStringLiteral("lblDebtPlanInformation"))) {
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
    }
    delegate_->setRowHeight(QFontMetrics(lstbxDebt->font()).height() + 4);
    const QString helpCaption = qs(state_.DisplayName + " &Help...");
    mnuHelp->setText(helpCaption);
    mnuHelp->setToolTip(helpCaption);
    mnuHelp->setStatusTip(helpCaption);
    ui::applyMenuAppearance(*this, config_->MenuStyle, config_->MenuAnimation);
    update();
    ChangeReduction();
    AdjustDebtTitles();
    EnableDisable();
}

bool TMainWin::IsBackupNeeded() const {
    return app::IsBackupNeeded(config_->BackupScheduleDays, config_->Days, config_->LastBackup,
                               app::TodayAsDayCount());
}

void TMainWin::requestBackup() {
    if (state_.Crashed || !services_.dataFileHooks.requestBackup)
        return;
    services_.dataFileHooks.requestBackup(state_.DataFilePath);
}

void TMainWin::Shutdown() {
    if (ShutdownDone)
        return;
    ShutdownDone = true;
    app::SaveFormPosition(*config_, this);
    config_->LastIndex = plan_.PlanIndex;
    config_->SaveSettings(settings::kMainForm);
}

void TMainWin::FormClose() {
    Shutdown();
    settings::ToolbarLayoutStore(*config_).save(kMainWindowName, toBytes(saveState()));
    if (config_->BackupOnClose || IsBackupNeeded())
        requestBackup();
    if (onClosed)
        onClosed();
}

void TMainWin::closeEvent(QCloseEvent* event) {
    if (!ShutdownDone && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    if (!ShutdownDone)
        FormClose();
    event->accept();
}

void TMainWin::ExitNow() {
    close();
}

void TMainWin::bringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TMainWin::endSession() {
    state_.SessionEnding = true;
    close();
}

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

// ---------------------------------------------------------------- commands

void TMainWin::DoAdd() {
    if (plan_.NumDebts >= plan::kMaxDebts)
        return;
    DebtEntryMode = 1;
    plan_.CurrentDebt = plan_.NumDebts + 1;
    if (debtEntry)
        debtEntry(this, plan_, DebtEntryMode);
    if (plan_.CurrentDebt > plan_.NumDebts)
        plan_.CurrentDebt = plan_.NumDebts;
    SetPriorities();
    ReloadDebtBox();
}

void TMainWin::DoEdit() {
    DebtEntryMode = 2;
    plan_.CurrentDebt = lstbxDebt->currentRow() + 1;
    if (plan_.CurrentDebt < 1 || plan_.CurrentDebt > lstbxDebt->count())
        return;
    if (debtEntry)
        debtEntry(this, plan_, DebtEntryMode);
    SetPriorities();
    ReloadDebtBox();
}

void TMainWin::DoDelete() {
    plan_.CurrentDebt = lstbxDebt->currentRow() + 1;
    if (platform::ask(*services_.boxes, "Warning", "Are you sure you want to delete this Debt?",
                      platform::MsgButtons::YesNo, platform::MsgIcon::Question,
                      static_cast<QWidget*>(this),
                      platform::MsgAnswer::No) != platform::MsgAnswer::Yes)
        return;
    plan::removeDebt(plan_.ActivePlan, plan_.NumDebts, plan_.CurrentDebt);
    plan_.CurrentDebt = std::min(plan_.CurrentDebt, plan_.NumDebts);
    ReloadDebtBox();
}

void TMainWin::DoClear() {
    if (platform::ask(*services_.boxes, "Warning", "Are you sure you want to delete all debts?",
                      platform::MsgButtons::YesNo, platform::MsgIcon::Question,
                      static_cast<QWidget*>(this),
                      platform::MsgAnswer::No) != platform::MsgAnswer::Yes)
        return;
    for (plan::TDebtRec& debt : plan_.ActivePlan.Debts)
        plan::resetDebtSlot(debt);
    plan_.CurrentDebt = 0;
    plan_.NumDebts = 0;
    ReloadDebtBox();
}

void TMainWin::sortBy(int key, bool descending) {
    SortDebts(plan_.ActivePlan, plan_.NumDebts, static_cast<DebtSortKey>(key), descending);
    ReloadDebtBox();
    EnableDisable();
}

void TMainWin::mnuOrderAlphaClick() {
    sortBy(static_cast<int>(DebtSortKey::Name), false);
}
void TMainWin::MenuOrderAlphaUp() {
    sortBy(static_cast<int>(DebtSortKey::Name), true);
}
void TMainWin::mnuOrderPriorClick() {
    sortBy(static_cast<int>(DebtSortKey::Priority), false);
}
void TMainWin::MenuOrderPriorUp() {
    sortBy(static_cast<int>(DebtSortKey::Priority), true);
}
void TMainWin::mnuOrderPayDayClick() {
    sortBy(static_cast<int>(DebtSortKey::PayDay), false);
}
void TMainWin::MenuOrderPayDayUp() {
    sortBy(static_cast<int>(DebtSortKey::PayDay), true);
}

void TMainWin::WMHelp() {
    if (showHelp)
        showHelp("Main_Window.htm");
}

// ---------------------------------------------------------------- events

void TMainWin::reductionPlanChanged(int index) {
    if (index == config_->LastReductionPlan)
        return;
    config_->LastReductionPlan = index;
    plan_.ActivePlan.ReductionPlan = static_cast<std::uint16_t>(index + 1);
    ChangeReduction();
}

void TMainWin::priorityMethodChanged() {
    config_->LastPriorityMethod = cmbxPriorityMethod->currentIndex();
    plan_.ActivePlan.PriorityMethod =
        static_cast<std::uint16_t>(cmbxPriorityMethod->currentIndex() + 1);
    SetPriorities();
    ReloadDebtBox();
}

bool TMainWin::keyAccepted(QObject* edit, char32_t key) const {
    if (edit == edtConMonthsInLoan || edit == edtTimedMonths)
        return DigitsOnlyAccepts(key);
    if (edit == edtConMonthlyPayment || edit == edtConNewRate || edit == edtConFee) {
        const auto* e = static_cast<QLineEdit*>(edit);
        return NumericOnlyAccepts(e->text().toStdString(), key, services_.locale.decimalSeparator);
    }
    if (edit == cxedtExtraPayment)
        return ExtraPaymentAccepts(key);
    return true;
}

bool TMainWin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == cxedtExtraPayment &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            cmbxPriorityMethod->setFocus();
            return true;
        }
        const QString typed = key->text();
        if (!typed.isEmpty()) {
            const char32_t c = typed.toUcs4().value(0);
            if (!keyAccepted(watched, c))
                return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const int order = plan_.ActivePlan.DebtSortOrder;
        if (watched == lblDebtName) {
            order == 2 ? MenuOrderAlphaUp() : mnuOrderAlphaClick();
            return true;
        }
        if (watched == lblPriority) {
            order == 4 ? MenuOrderPriorUp() : mnuOrderPriorClick();
            return true;
        }
        if (watched == lblPay || watched == lblDate) {
            order == 6 ? MenuOrderPayDayUp() : mnuOrderPayDayClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace ui
