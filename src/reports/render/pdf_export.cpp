#include "reports/render/pdf_export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <cerrno>
#include <cstring>

#include "reports/render/page_layout.h"
#include "reports/render/page_painter.h"

namespace reports {
namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes all bytes to a temporary file beside `path`, syncs it and renames it over `path`.
PdfWriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    QByteArray pattern = target + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return {false, systemError(errno)};
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(pattern.constData());
        return PdfWriteResult{false, systemError(error)};
    };
    // A document for the user: readable as the umask allows, like any other new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0)
        return fail(errno);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            return fail(ENOSPC);
        done += n;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return fail(errno);
    if (info.st_size != bytes.size())
        return fail(EIO);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(pattern.constData());
        return {false, systemError(error)};
    }
    if (::rename(pattern.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(pattern.constData());
        return {false, systemError(error)};
    }
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
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
