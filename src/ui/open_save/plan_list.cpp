#include "ui/open_save/plan_list.h"

#include <algorithm>

namespace ui {

std::vector<plan::PlanListEntry> sortedByName(std::vector<plan::PlanListEntry> entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const plan::PlanListEntry& a, const plan::PlanListEntry& b) {
                         return QString::fromStdString(a.planName)
                                    .compare(QString::fromStdString(b.planName),
                                             Qt::CaseInsensitive) < 0;
                     });
    return entries;
}

QString searchKey(const QString& text) {
    QString key = text.left(60);
    for (QChar& c : key) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return key;
}

int findEntry(const QStringList& names, const QString& key, int start) {
    for (int i = std::max(start, 0); i < names.size(); ++i) {
        if (searchKey(names[i]).contains(key))
            return i;
    }
    return -1;
}

}  // namespace ui
