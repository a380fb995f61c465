#pragma once

// The file choosers of plan export and import. The dialogs ask through PlanFileDialogs so
// tests can answer without a real file dialog; QtPlanFileDialogs is the program's own.

#include <QString>
#include <optional>

class QWidget;

namespace ui {

struct FileDialogRequest {
    enum class Kind { Save, Open };
    Kind kind = Kind::Open;
    QString title;
    QString filter;         // Qt filter text: "Name (*.ext)"
    QString defaultSuffix;  // added when the chosen name has no extension
};

// "Export Zelvane Data": a save dialog that asks before replacing a file.
FileDialogRequest exportDialogRequest();
// "Import Zelvane Data": an open dialog for an existing file.
FileDialogRequest importDialogRequest();

class PlanFileDialogs {
  public:
    virtual ~PlanFileDialogs() = default;
    // The chosen file's path; nothing when the user cancels.
    virtual std::optional<QString> chooseFile(QWidget* parent,
                                              const FileDialogRequest& request) = 0;
};

class QtPlanFileDialogs final : public PlanFileDialogs {
  public:
    std::optional<QString> chooseFile(QWidget* parent, const FileDialogRequest& request) override;
};

}  // namespace ui
