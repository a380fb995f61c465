#include "ui/open_save/frm_save_as.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cassert>

#include "app/qt_button_row.h"
#include "ui/open_save/dialog_layout.h"

namespace ui {
namespace {

constexpr int kDesignedWidth = 351;
constexpr int kDesignedHeight = 118;
constexpr int kNameLength = 60;

}  // namespace

TfrmSaveAs::TfrmSaveAs(plan::PlanState& state, const plan::PlanFileStore& store,
                       const SaveAsServices& services, QWidget* parent)
    : QDialog(parent), state_(state), store_(store), services_(services) {
    assert(services_.boxes != nullptr);
    setObjectName(QStringLiteral("frmSaveAs"));
    setWindowTitle(QStringLiteral("Save Debt Information"));

    lblSaveAs_ = new QLabel(QStringLiteral("Save As"), this);
    lblSaveAs_->setObjectName(QStringLiteral("lblSaveAs"));
    SaveAsName_ = new QLineEdit(this);
    SaveAsName_->setObjectName(QStringLiteral("SaveAsName"));
    SaveAsName_->setMaxLength(kNameLength);
    lblSaveAs_->setBuddy(SaveAsName_);
    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnCancel_->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSaveAs_);
    layout->addWidget(SaveAsName_);
    layout->addSpacing(8);
    layout->addLayout(app::makeButtonRow({btnOK_, btnCancel_}, services_.buttonAlignment));
    resize(kDesignedWidth, kDesignedHeight);

    connect(btnOK_, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { btnCancelClick(); });
}

void TfrmSaveAs::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TfrmSaveAs::FormShow() {
    if (services_.applyScreenFonts)
        services_.applyScreenFonts(*this);
    centreOnScreen(*this);
    SaveAsName_->setText(QString::fromStdString(state_.ActivePlan.PlanName.text()));
    SaveAsName_->selectAll();
    SaveAsName_->setFocus();
}

void TfrmSaveAs::btnOKClick() {
    const QString name = SaveAsName_->text().trimmed().left(kNameLength);
    if (name.isEmpty()) {
        platform::showOk(*services_.boxes, "Error", "No name specified.  Please specify a name.",
                         platform::MsgIcon::Warning, this);
        SaveAsName_->setFocus();
        return;
    }
    const plan::ShortText<60> previousName = state_.ActivePlan.PlanName;
    state_.ActivePlan.PlanName.setText(name.toStdString());
    if (!store_.SaveAClient(state_, true, *services_.boxes, this, services_.displayName)) {
        // The write error has been shown; the plan keeps its name and the dialog stays open,
        // so the user can try again or cancel, and nothing counts as saved.
        state_.ActivePlan.PlanName = previousName;
        return;
    }
    stored_ = true;
    accept();
}

void TfrmSaveAs::btnCancelClick() {
    cancelled_ = true;
    reject();
}

void TfrmSaveAs::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (services_.showHelp)
            services_.showHelp(QStringLiteral("File_Menu.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

bool runSaveAs(QWidget* owner, plan::PlanState& state, const plan::PlanFileStore& store,
               const SaveAsServices& services) {
    TfrmSaveAs dialog(state, store, services, owner);
    dialog.exec();
    return dialog.stored();
}

}  // namespace ui
