#include "reports/preview/memory_report_window_services.h"

#include <QWidget>

namespace reports {

bool MemoryReportWindowServices::loadFormPosition(QWidget& form, const QString& key) {
    const auto found = positions.constFind(key);
    if (found == positions.constEnd())
        return false;
    form.setGeometry(*found);
    return true;
}

void MemoryReportWindowServices::saveFormPosition(QWidget& form, const QString& key) {
    positions.insert(key, form.geometry());
}

}  // namespace reports
