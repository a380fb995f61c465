#include "ui/open_save/file_dialogs.h"

#include <QFileDialog>

namespace ui {

FileDialogRequest exportDialogRequest() {
    return {FileDialogRequest::Kind::Save, QStringLiteral("Export Zelvane Data"),
            QStringLiteral("Zelvane Data (*.dbt)"), QStringLiteral("dbt")};
}

FileDialogRequest importDialogRequest() {
    return {FileDialogRequest::Kind::Open, QStringLiteral("Import Zelvane Data"),
            QStringLiteral("Zelvane Data (*.dbt)"), QStringLiteral("dbt")};
}

std::optional<QString> QtPlanFileDialogs::chooseFile(QWidget* parent,
                                                     const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.title);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.kind == FileDialogRequest::Kind::Save) {
        // A save dialog only offers existing folders and asks before replacing a file.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace ui
