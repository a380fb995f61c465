#include "ui/open_save/frm_open_debt.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <cassert>

#include "app/qt_button_row.h"
#include "plan/plan_transfer.h"
#include "ui/open_save/dialog_layout.h"
#include "ui/open_save/plan_list.h"

namespace ui {
namespace {

constexpr int kRecordRole = Qt::UserRole;
constexpr int kDesignedWidth = 493;
constexpr int kDesignedHeight = 394;

QPushButton* makeButton(QWidget* parent, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TfrmOpenDebt::TfrmOpenDebt(plan::PlanState& state, const plan::PlanFileStore& store,
                           const OpenDebtServices& services, QWidget* parent)
    : QDialog(parent), state_(state), store_(store), services_(services) {
    assert(services_.boxes != nullptr && services_.fileDialogs != nullptr);
    setObjectName(QStringLiteral("frmOpenDebt"));
    setWindowTitle(QStringLiteral("Open Debt Information"));

    Clients_ = new QListWidget(this);
    Clients_->setObjectName(QStringLiteral("Clients"));
    Clients_->setSelectionMode(QAbstractItemView::SingleSelection);
    Clients_->setUniformItemSizes(true);
    lblSearch_ = new QLabel(QStringLiteral("Search Criteria:"), this);
    lblSearch_->setObjectName(QStringLiteral("lblSearch"));
    SearchData_ = new QLineEdit(this);
    SearchData_->setObjectName(QStringLiteral("SearchData"));
    lblSearch_->setBuddy(SearchData_);
    btnSearch_ = makeButton(this, QStringLiteral("&Search"), QStringLiteral("btnSearch"));
    btnNext_ = makeButton(this, QStringLiteral("&Next"), QStringLiteral("btnNext"));
    btnOK_ = makeButton(this, QStringLiteral("OK"), QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnDelete_ = makeButton(this, QStringLiteral("&Delete"), QStringLiteral("btnDelete"));
    btnImport_ = makeButton(this, QStringLiteral("&Import"), QStringLiteral("btnImport"));
    btnExport_ = makeButton(this, QStringLiteral("&Export"), QStringLiteral("btnExport"));
    btnCancel_ = makeButton(this, QStringLiteral("Cancel"), QStringLiteral("btnCancel"));

    auto* search = new QGridLayout;
    search->addWidget(lblSearch_, 0, 0, 1, 3);
    search->addWidget(SearchData_, 1, 0);
    search->addWidget(btnSearch_, 1, 1);
    search->addWidget(btnNext_, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Clients_, 1);
    layout->addLayout(search);
    layout->addSpacing(8);
    layout->addLayout(app::makeButtonRow({btnOK_, btnDelete_, btnImport_, btnExport_, btnCancel_},
                                         services_.buttonAlignment));
    resize(kDesignedWidth, kDesignedHeight);

    connect(btnOK_, &QPushButton::clicked, this, [this] { DoOpen(); });
    connect(Clients_, &QListWidget::itemDoubleClicked, this, [this] { DoOpen(); });
    connect(btnDelete_, &QPushButton::clicked, this, [this] { DoDelete(); });
    connect(btnSearch_, &QPushButton::clicked, this, [this] { DoSearch(); });
    connect(btnNext_, &QPushButton::clicked, this, [this] { DoNext(); });
    connect(btnExport_, &QPushButton::clicked, this, [this] { btnExportClick(); });
    connect(btnImport_, &QPushButton::clicked, this, [this] { btnImportClick(); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void TfrmOpenDebt::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TfrmOpenDebt::FormShow() {
    if (services_.applyScreenFonts)
        services_.applyScreenFonts(*this);
    centreOnScreen(*this);
    btnNext_->setEnabled(false);
    LoadInClients();
    Clients_->setFocus();
}

void TfrmOpenDebt::LoadInClients() {
    Clients_->clear();
    for (const plan::PlanListEntry& entry : sortedByName(store_.LoadInClients())) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.planName), Clients_);
        item->setData(kRecordRole, entry.recordNumber);
        item->setSizeHint(QSize(0, 20));
    }
    const bool any = Clients_->count() > 0;
    btnOK_->setEnabled(any);
    btnDelete_->setEnabled(any);
    btnSearch_->setEnabled(any);
    if (any)
        Clients_->setCurrentRow(0);
}

int TfrmOpenDebt::selectedRecord() const {
    const QListWidgetItem* item = Clients_->currentItem();
    if (item == nullptr || !item->isSelected())
        return -1;
    return item->data(kRecordRole).toInt();
}

void TfrmOpenDebt::selectRecord(int recordNumber) {
    for (int row = 0; row < Clients_->count(); ++row) {
        if (Clients_->item(row)->data(kRecordRole).toInt() == recordNumber) {
            Clients_->setCurrentRow(row);
            return;
        }
    }
}

QStringList TfrmOpenDebt::entryNames() const {
    QStringList names;
    for (int row = 0; row < Clients_->count(); ++row)
        names.append(Clients_->item(row)->text());
    return names;
}

void TfrmOpenDebt::warn(const std::string& text, const char* caption) {
    platform::showOk(*services_.boxes, caption, text, platform::MsgIcon::Warning, this);
}

void TfrmOpenDebt::DoOpen() {
    const int record = selectedRecord();
    if (record < 0) {
        warn("No plan selected. Please select a plan first.");
        return;
    }
    chosen_ = record;
    accept();
}

void TfrmOpenDebt::DoDelete() {
    const int record = selectedRecord();
    if (record < 0) {
        warn("No plan selected. Please select a plan first.");
        return;
    }
    const int row = Clients_->currentRow();
    const std::string name = Clients_->currentItem()->text().toStdString();
    const platform::MsgAnswer answer = platform::ask(
        *services_.boxes, "Delete?", "Are you sure you want to delete \"" + name + "\"?",
        platform::MsgButtons::YesNo, platform::MsgIcon::Question, this);
    if (answer != platform::MsgAnswer::Yes)
        return;
    store_.deleteRecord(record, state_, *services_.boxes, this);
    LoadInClients();
    if (Clients_->count() > 0)
        Clients_->setCurrentRow(std::min(row, Clients_->count() - 1));
}

void TfrmOpenDebt::DoSearch() {
    const QString key = searchKey(SearchData_->text().trimmed());
    if (key.isEmpty()) {
        warn("Enter search criteria in appropriate data entry field.", "No Search Criteria");
        SearchData_->setFocus();
        return;
    }
    const int found = findEntry(entryNames(), key, 0);
    if (found < 0) {
        warn("No entry found matching search criteria.", "Search");
        SearchData_->setFocus();
        return;
    }
    Clients_->setCurrentRow(found);
    searchPosition_ = found;
    btnNext_->setEnabled(true);
    btnNext_->setFocus();
}

void TfrmOpenDebt::DoNext() {
    const QString key = searchKey(SearchData_->text().trimmed());
    const int found = key.isEmpty() ? -1 : findEntry(entryNames(), key, searchPosition_ + 1);
    if (found < 0) {
        warn("No more entries found matching search criteria.", "Search");
        btnNext_->setEnabled(false);
        SearchData_->setFocus();
        return;
    }
    Clients_->setCurrentRow(found);
    searchPosition_ = found;
    btnNext_->setFocus();
}

void TfrmOpenDebt::btnExportClick() {
    plan::TClientRec rec = plan::zeroClientRec();
    std::string problem = plan::readPlanForExport(store_.DataFilePath(), selectedRecord(), rec);
    if (!problem.empty()) {
        warn(problem, plan::kTransferCaption);
        return;
    }
    const std::optional<QString> target =
        services_.fileDialogs->chooseFile(this, exportDialogRequest());
    if (!target)
        return;
    problem = plan::writeExportFile(target->toStdString(), rec);
    if (!problem.empty())
        warn(problem, plan::kTransferCaption);
}

void TfrmOpenDebt::btnImportClick() {
    const std::optional<QString> source =
        services_.fileDialogs->chooseFile(this, importDialogRequest());
    if (!source)
        return;
    plan::TClientRec rec = plan::zeroClientRec();
    std::string problem = plan::readImportFile(source->toStdString(), rec);
    int newRecord = -1;
    if (problem.empty())
        problem = plan::appendImportedPlan(store_.DataFilePath(), rec, newRecord);
    if (!problem.empty()) {
        warn(problem, plan::kTransferCaption);
        return;
    }
    LoadInClients();
    selectRecord(newRecord);
}

void TfrmOpenDebt::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (services_.showHelp)
            services_.showHelp(QStringLiteral("File_Menu.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

std::optional<int> runOpenDebt(QWidget* owner, plan::PlanState& state,
                               const plan::PlanFileStore& store, const OpenDebtServices& services) {
    TfrmOpenDebt dialog(state, store, services, owner);
    dialog.exec();
    return dialog.chosenRecord();
}

plan::LoadResult loadChosenPlan(int record, plan::PlanState& state,
                                const plan::PlanFileStore& store) {
    const int previous = state.PlanIndex;
    state.PlanIndex = record;
    const plan::LoadResult result = store.GetTheClient(record, state);
    // Nothing was loaded: the plan in memory stays attached to its own record, so a later
    // Save cannot overwrite another plan with it.
    if (result == plan::LoadResult::NotOpened || result == plan::LoadResult::Failed)
        state.PlanIndex = previous;
    return result;
}

}  // namespace ui
