#include "reports/render/pdf_export.h"

#include <sys/stat.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <string>

#include "platform/safe_file_write.h"
#include "reports/render/page_layout.h"
#include "reports/render/page_painter.h"

namespace reports {
namespace {

// Writes the document through the program's safe file writing: a temporary file beside
// `path`, checked, flushed and renamed over it, so a failure keeps the old file. A new
// file is readable as the umask allows, like any other document of the user.
PdfWriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    platform::FileWriteOptions options;
    options.newFileMode = 0666 & ~static_cast<unsigned>(mask);
    std::string error;
    if (!platform::writeFileAtomically(
            QFile::encodeName(path).toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), &error,
            options)) {
        return {false, QString::fromLocal8Bit(error.c_str())};
    }
    return {true, {}};
}

}  // namespace

QByteArray renderPdf(const PageStream& pages, const PdfOptions& options) {
    const int count = static_cast<int>(pages.pageCount());
    const int first = std::max(1, options.firstPage);
    const int last = options.lastPage < 0 ? count : std::min(count, options.lastPage);
    if (first > last)
        return {};

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(options.resolution);
        writer.setTitle(options.title);
        writer.setCreator(options.creator);
        writer.setPageLayout(pageLayoutFor(pages.page(static_cast<std::size_t>(first))));
        QPainter painter(&writer);
        for (int number = first; number <= last; ++number) {
            const Page& page = pages.page(static_cast<std::size_t>(number));
            if (number > first) {
                writer.setPageLayout(pageLayoutFor(page));
                writer.newPage();
            }
            paintPage(painter, page,
                      PagePlacement{QPointF(0, 0), static_cast<double>(writer.resolution())},
                      false);
        }
        painter.end();
    }
    return buffer.data();
}

PdfWriteResult writePdfFile(const PageStream& pages, const QString& path,
                            const PdfOptions& options) {
    const QByteArray bytes = renderPdf(pages, options);
    if (bytes.isEmpty())
        return {false, QStringLiteral("The report has no pages.")};
    return writeFileAtomically(path, bytes);
}

}  // namespace reports
