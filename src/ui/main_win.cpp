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

#include "calc/priorities.h"
#include "ui/debt_list_delegate.h"
#include "ui/key_filters.h"
#include "ui/main_win_support.h"

namespace ui {

using namespace main_win_detail;

namespace main_win_detail {

plan::Date systemToday() {
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

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

}  // namespace main_win_detail

namespace {

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
