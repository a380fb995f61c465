#pragma once

// The Open dialog's list logic without widgets: the order of the entries and the search
// through their names.

#include <QString>
#include <QStringList>
#include <vector>

#include "plan/plan_file_store.h"

namespace ui {

// The entries sorted by name without regard to case; equal names keep their file order.
std::vector<plan::PlanListEntry> sortedByName(std::vector<plan::PlanListEntry> entries);

// The search form of a text: cut to 60 characters, letters a to z in capitals, every
// other character unchanged.
QString searchKey(const QString& text);

// The first position from `start` whose name contains `key` (both in search form, the key
// trimmed by the caller); -1 when none does.
int findEntry(const QStringList& names, const QString& key, int start);

}  // namespace ui
