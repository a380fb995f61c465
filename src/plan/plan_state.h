#pragma once

// The program-wide plan variables: the plan being edited, its baseline, a scratch buffer
// and the numbers that go with them. The main window owns one PlanState for the run.

#include <string>

#include "plan/changed_data.h"
#include "plan/client_rec.h"
#include "plan/new_plan.h"

namespace plan {

struct PlanState {
    TClientRec ActivePlan = zeroClientRec();   // what the user edits
    TClientRec SavedPlan = zeroClientRec();    // as last loaded or saved; change baseline
    TClientRec ScratchPlan = zeroClientRec();  // buffer for reading through the data file
    int PlanIndex = -1;                        // record number; -1 while never stored
    int NumDebts = 0;                          // live number of debts, 0..50
    int CurrentDebt = 0;                       // 1-based debt of the entry form; 0 none
    std::string PlanPassword;                  // password in force, Windows-1252 bytes, at most 15

    // TMainWin.InitializeValues without its window parts: SavedPlan becomes a new plan
    // with the password in force, NumDebts and CurrentDebt 0, PlanIndex -1. The caller
    // then copies SavedPlan to ActivePlan (and clears the reports' temporary footer and
    // picks the report printer, which are window matters).
    void InitializeValues(const NewPlanDefaults& defaults, const Date& today) {
        SavedPlan = newPlan(defaults, today, PlanPassword);
        NumDebts = 0;
        CurrentDebt = 0;
        PlanIndex = -1;
    }

    // TMainWin.ChangedData.
    bool ChangedData() const { return changedData(ActivePlan, SavedPlan); }
};

}  // namespace plan
