#include "reports/preview/report_window_services.h"

#include <QFileDialog>

namespace reports {

std::optional<QString> ReportWindowServices::askPdfFileName(QWidget* parent,
                                                            const QString& suggested) {
    QFileDialog dialog(parent, QStringLiteral("Export PDF"), suggested,
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace reports
