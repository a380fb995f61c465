#include "pdf_tools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace testing_support {
namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString infoLine(const QString& path, const QString& name) {
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const QRegularExpression line(QStringLiteral("^") + name + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    const auto match = line.match(info);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

}  // namespace

int pdfPageCount(const QString& path) {
    bool ok = false;
    const int pages = infoLine(path, QStringLiteral("Pages")).toInt(&ok);
    return ok ? pages : -1;
}

QString pdfPageSize(const QString& path) {
    return infoLine(path, QStringLiteral("Page size"));
}

QString pdfText(const QString& path, int firstPage, int lastPage) {
    QStringList args{QStringLiteral("-layout")};
    if (firstPage > 0)
        args << QStringLiteral("-f") << QString::number(firstPage);
    if (lastPage > 0)
        args << QStringLiteral("-l") << QString::number(lastPage);
    args << path << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), args);
}

}  // namespace testing_support
