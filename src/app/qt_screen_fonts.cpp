#include "app/qt_screen_fonts.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace app {
namespace {

struct FontParts {
    bool name = true;
    bool size = true;
};

void applyFont(QWidget* w, const settings::TFontRec& rec, FontParts parts) {
    using settings::TFontRec;
    QFont f = w->font();
    if (parts.name)
        f.setFamily(QString::fromStdString(rec.Name));
    if (parts.size && rec.Size > 0)
        f.setPointSize(rec.Size);
    f.setBold(rec.Style & TFontRec::kBold);
    f.setItalic(rec.Style & TFontRec::kItalic);
    f.setUnderline(rec.Style & TFontRec::kUnderline);
    f.setStrikeOut(rec.Style & TFontRec::kStrikeOut);
    w->setFont(f);
    QPalette p = w->palette();
    const QColor c = colorFromStored(rec.Color);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

bool isLabelKind(QWidget* w) {
    return qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) ||
           qobject_cast<QRadioButton*>(w) || qobject_cast<QGroupBox*>(w) ||
           (qobject_cast<QListView*>(w) && !qobject_cast<QTableView*>(w));
}

bool isEditKind(QWidget* w) {
    return qobject_cast<QTableView*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w);
}

}  // namespace

QColor colorFromStored(std::int32_t color) {
    const auto c = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

void ApplyScreenFonts(QWidget* form, const settings::TConfigManager& config) {
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (isLabelKind(w)) {
            applyFont(w, config.LabelFont, {true, false});
        } else if (isEditKind(w)) {
            applyFont(w, config.EditFont, {});
        } else if (qobject_cast<QPushButton*>(w)) {
            applyFont(w, config.ButtonFont, {});
        }
    }
    if (auto* debtList = form->findChild<QWidget*>(QStringLiteral("lstbxDebt"))) {
        const bool mainWindow = form->objectName() == QStringLiteral("MainWin");
        applyFont(debtList, config.DebtInfoFont, {mainWindow, true});
    }
}

}  // namespace app
