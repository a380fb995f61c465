#include "reports/preview/print_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/qt_button_row.h"

namespace reports {

QString pageFieldText(int page) {
    if (page == -1)
        return {};
    return QString::number(page).rightJustified(3, QLatin1Char(' '));
}

TPrintDlg::TPrintDlg(PrintSettings& settings, PrinterCatalog& printers,
                     ReportWindowServices& services, platform::MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      printers_(printers),
      services_(services),
      boxes_(boxes) {
    setObjectName(QStringLiteral("PrintDlg"));
    setWindowTitle(QStringLiteral("Print"));

    auto* printerBox = new QGroupBox(QStringLiteral(" Printer "), this);
    auto* printerGrid = new QGridLayout(printerBox);
    cbxPrinterList_ = new QComboBox(printerBox);
    cbxPrinterList_->setObjectName(QStringLiteral("cbxPrinterList"));
    cbxPrinterList_->setMinimumWidth(260);
    auto* lblName = new QLabel(QStringLiteral("Name:"), printerBox);
    lblName->setBuddy(cbxPrinterList_);
    btnProperties_ = new QPushButton(QStringLiteral("&Properties"), printerBox);
    btnProperties_->setObjectName(QStringLiteral("btnProperties"));
    printerGrid->addWidget(lblName, 0, 0);
    printerGrid->addWidget(cbxPrinterList_, 0, 1);
    printerGrid->addWidget(btnProperties_, 0, 2);

    auto* copiesRow = new QHBoxLayout;
    spinCopies_ = new QSpinBox(this);
    spinCopies_->setObjectName(QStringLiteral("SpinEdit"));
    spinCopies_->setRange(1, kMaxCopies);
    auto* lblCopies = new QLabel(QStringLiteral("Number of Copies"), this);
    lblCopies->setBuddy(spinCopies_);
    copiesRow->addWidget(lblCopies);
    copiesRow->addWidget(spinCopies_);
    copiesRow->addStretch(1);

    gbxPrtRange_ = new QGroupBox(QStringLiteral(" Print Range "), this);
    gbxPrtRange_->setObjectName(QStringLiteral("gbxPrtRange"));
    auto* rangeGrid = new QGridLayout(gbxPrtRange_);
    rbtnAll_ = new QRadioButton(QStringLiteral("&All"), gbxPrtRange_);
    rbtnAll_->setObjectName(QStringLiteral("rbtnAll"));
    rbtnPages_ = new QRadioButton(QStringLiteral("&Pages"), gbxPrtRange_);
    rbtnPages_->setObjectName(QStringLiteral("rbtnPages"));
    lblFrom_ = new QLabel(QStringLiteral("from:"), gbxPrtRange_);
    edtFrom_ = new QLineEdit(gbxPrtRange_);
    edtFrom_->setObjectName(QStringLiteral("edtFrom"));
    lblTo_ = new QLabel(QStringLiteral("to:"), gbxPrtRange_);
    edtTo_ = new QLineEdit(gbxPrtRange_);
    edtTo_->setObjectName(QStringLiteral("edtTo"));
    for (QLineEdit* edit : {edtFrom_, edtTo_})
        edit->setMaximumWidth(60);
    lblFrom_->setBuddy(edtFrom_);
    lblTo_->setBuddy(edtTo_);
    rangeGrid->addWidget(rbtnAll_, 0, 0);
    rangeGrid->addWidget(rbtnPages_, 1, 0);
    rangeGrid->addWidget(lblFrom_, 1, 1);
    rangeGrid->addWidget(edtFrom_, 1, 2);
    rangeGrid->addWidget(lblTo_, 1, 3);
    rangeGrid->addWidget(edtTo_, 1, 4);
    rangeGrid->setColumnStretch(5, 1);

    btnOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnOK_->setObjectName(QStringLiteral("btnOK"));
    btnOK_->setDefault(true);
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addLayout(copiesRow);
    layout->addWidget(gbxPrtRange_);
    layout->addStretch(1);
    layout->addLayout(app::makeButtonRow({btnOK_, btnCancel_}, services_.buttonAlignment()));

    connect(rbtnAll_, &QRadioButton::toggled, this, [this] { EnableDisable(); });
    connect(btnProperties_, &QPushButton::clicked, this, [this] { btnPropertiesClick(); });
    connect(btnOK_, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void TPrintDlg::setRangeVisible(bool visible) {
    gbxPrtRange_->setVisible(visible);
}

void TPrintDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TPrintDlg::FormShow() {
    services_.applyScreenFonts(*this);
    cbxPrinterList_->clear();
    for (const std::string& name : printers_.printerNames()) {
        cbxPrinterList_->addItem(QString::fromStdString(name));
    }
    int index = settings_.printerIndex;
    if (index < 0 || index >= cbxPrinterList_->count())
        index = printers_.defaultPrinterIndex();
    cbxPrinterList_->setCurrentIndex(index);
    spinCopies_->setValue(settings_.copies);
    edtFrom_->setText(pageFieldText(settings_.firstPage));
    edtTo_->setText(pageFieldText(settings_.lastPage));
    rbtnAll_->setChecked(settings_.allPages);
    rbtnPages_->setChecked(!settings_.allPages);
    EnableDisable();
}

void TPrintDlg::EnableDisable() {
    const bool range = !rbtnAll_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{lblFrom_, edtFrom_, lblTo_, edtTo_}) {
        w->setEnabled(range);
    }
    const bool canPrint = printers_.printerCount() > 0;
    btnOK_->setEnabled(canPrint);
    for (QWidget* w :
         std::initializer_list<QWidget*>{btnProperties_, spinCopies_, rbtnAll_, rbtnPages_}) {
        w->setEnabled(canPrint);
    }
}

void TPrintDlg::btnPropertiesClick() {
    const auto result =
        printers_.showSetupDialog(cbxPrinterList_->currentIndex(), settings_.orientation, this);
    if (result) {
        settings_.orientation = result->orientation;
        if (result->printerIndex >= 0 && result->printerIndex < cbxPrinterList_->count()) {
            cbxPrinterList_->setCurrentIndex(result->printerIndex);
        }
    }
    EnableDisable();
}

void TPrintDlg::btnOKClick() {
    // Both page fields are read first, so a bad one changes nothing.
    int pages[2] = {0, -1};
    QLineEdit* fields[2] = {edtFrom_, edtTo_};
    for (int i = 0; i < 2; ++i) {
        const QString text = fields[i]->text().trimmed();
        if (i == 1 && text.isEmpty())
            continue;
        bool ok = false;
        pages[i] = text.toInt(&ok);
        if (!ok) {
            platform::MessageBoxRequest box;
            box.caption = "Error";
            box.text = "'" + text.toStdString() + "' is not a valid integer value.";
            box.icon = platform::MsgIcon::Warning;
            box.owner = this;
            boxes_.show(box);
            fields[i]->setFocus();
            return;
        }
    }
    settings_.printerIndex = cbxPrinterList_->currentIndex();
    settings_.copies = spinCopies_->value();
    settings_.firstPage = pages[0];
    settings_.lastPage = pages[1];
    settings_.allPages = rbtnAll_->isChecked();
    services_.saveReportsFormSection();
    confirmed_ = true;
    accept();
}

void TPrintDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        services_.showHelp(QStringLiteral("Printing.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace reports
