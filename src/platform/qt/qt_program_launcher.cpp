#include "platform/qt/qt_program_launcher.h"

#include <QProcess>
#include <QStringList>

namespace platform {

bool QtProgramLauncher::startDetached(const std::string& program,
                                      const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& a : arguments)
        args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(program), args);
}

}  // namespace platform
