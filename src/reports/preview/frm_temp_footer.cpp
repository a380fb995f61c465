#include "reports/preview/frm_temp_footer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_button_row.h"
#include "reports/render/report_fonts.h"

namespace reports {

TfrmTempFooter::TfrmTempFooter(TempFooter& footer, ReportWindowServices& services, QWidget* parent)
    : QDialog(parent), footer_(footer), services_(services) {
    setObjectName(QStringLiteral("frmTempFooter"));
    setWindowTitle(QStringLiteral("Temporary Footer"));

    ckbxUseTempFooter_ = new QCheckBox(QStringLiteral("&Use Temporary Footer"), this);
    ckbxUseTempFooter_->setObjectName(QStringLiteral("ckbxUseTempFooter"));
    // The frame around the fields follows their height (the footer font's size).
    auto* frame = new QGroupBox(this);
    auto* fields = new QVBoxLayout(frame);
    fields->setSpacing(2);
    for (int i = 0; i < 3; ++i) {
        edtLines_[i] = new QLineEdit(frame);
        edtLines_[i]->setObjectName(QStringLiteral("edtTempFooterLine%1").arg(i + 1));
        edtLines_[i]->setMinimumWidth(380);
        fields->addWidget(edtLines_[i]);
    }
    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ckbxUseTempFooter_);
    layout->addWidget(frame);
    layout->addSpacing(14);
    layout->addLayout(app::makeButtonRow({btnOK_, btnCancel_}, services_.buttonAlignment()));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ckbxUseTempFooter_, &QCheckBox::clicked, this, [this] { EnableDisable(); });
    connect(btnOK_, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void TfrmTempFooter::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TfrmTempFooter::FormShow() {
    services_.applyScreenFonts(*this);
    ckbxUseTempFooter_->setChecked(services_.useTempFooter());
    const FontSpec spec = services_.tempFooterFont();
    QFont font = toQFont(spec);
    for (int i = 0; i < 3; ++i) {
        edtLines_[i]->setFont(font);
        QPalette palette = edtLines_[i]->palette();
        palette.setColor(QPalette::Text, QColor(spec.color.red, spec.color.green, spec.color.blue));
        edtLines_[i]->setPalette(palette);
        edtLines_[i]->setText(QString::fromStdString(footer_.lines[static_cast<std::size_t>(i)]));
    }
    EnableDisable();
}

void TfrmTempFooter::EnableDisable() {
    const bool on = ckbxUseTempFooter_->isChecked();
    for (QLineEdit* edit : edtLines_) {
        edit->setEnabled(on);
        // Window colour when usable, button face when not, as for every greyed field.
        QPalette palette = edit->palette();
        const QColor base =
            on ? QPalette().color(QPalette::Base) : QPalette().color(QPalette::Button);
        palette.setColor(QPalette::Active, QPalette::Base, base);
        palette.setColor(QPalette::Inactive, QPalette::Base, base);
        palette.setColor(QPalette::Disabled, QPalette::Base, base);
        edit->setPalette(palette);
    }
}

void TfrmTempFooter::btnOKClick() {
    for (int i = 0; i < 3; ++i) {
        footer_.lines[static_cast<std::size_t>(i)] = edtLines_[i]->text().toStdString();
    }
    services_.setUseTempFooter(ckbxUseTempFooter_->isChecked());
    services_.saveTempFooterSection();
    accept();
}

void TfrmTempFooter::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        services_.showHelp(QStringLiteral("Temporary_Footer.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace reports
