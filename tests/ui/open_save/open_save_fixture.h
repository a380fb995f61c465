#pragma once

// Shared pieces of the Open and Save As dialog tests: a data file in a temporary folder,
// scripted message boxes and file choices, and a click on a dialog's button by its name
// (testing_support::whenModalShows acts on a dialog run modally).

#include <QPushButton>
#include <QTest>
#include <deque>
#include <optional>
#include <vector>

#include "modal_dialogs.h"
#include "plan/plan_file_store.h"
#include "plan/plan_state.h"
#include "scripted_message_boxes.h"
#include "temp_home.h"
#include "ui/open_save/file_dialogs.h"
#include "ui/open_save/open_save_services.h"

namespace ui_testing {

// Answers the file choosers from a queue and records what was asked. A chooser that no
// answer waits for fails the test.
class ScriptedFileDialogs final : public ui::PlanFileDialogs {
  public:
    ~ScriptedFileDialogs() override { EXPECT_TRUE(answers.empty()) << "file choice not asked"; }
    std::optional<QString> chooseFile(QWidget*, const ui::FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected file dialog " << request.title.toStdString();
            return std::nullopt;
        }
        std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // A path, or nothing for Cancel.
    void answer(std::optional<std::string> path) {
        answers.push_back(path ? std::optional<QString>(QString::fromStdString(*path))
                               : std::nullopt);
    }

    std::deque<std::optional<QString>> answers;
    std::vector<ui::FileDialogRequest> requests;
};

inline void click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(QString::fromUtf8(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// A data file "Debts4.dat" in a fresh folder, and the services around it.
class DataFileFixture : public ::testing::Test {
  protected:
    std::string dataPath() const { return (dir / "Debts4.dat").string(); }
    std::string pathOf(const std::string& name) const { return (dir / name).string(); }

    testing_support::TempDir dir;
    testing_support::ScriptedMessageBoxes boxes;
    ScriptedFileDialogs fileDialogs;
    plan::PlanState state;
    plan::PlanFileStore store{dataPath()};
};

}  // namespace ui_testing
