#pragma once

// PDF export of a report: every page of the stream (or a range) through QPdfWriter, drawn
// by the same painter routine as the preview and the printer.

#include <QByteArray>
#include <QString>

#include "reports/engine/page_stream.h"

namespace reports {

struct PdfOptions {
    QString title;
    QString creator;
    int resolution = 1200;  // dots per inch of the PDF's drawing
    int firstPage = 1;
    int lastPage = -1;  // -1: to the last page
};

// The PDF document's bytes; empty when the stream (or the range) holds no page.
QByteArray renderPdf(const PageStream& pages, const PdfOptions& options = {});

struct PdfWriteResult {
    bool ok = false;
    QString error;  // the system's message when writing failed
};

// Writes the PDF to `path` without ever leaving a half-written file there: the document
// goes to a temporary file in the same folder, which is flushed to disk and then renamed.
PdfWriteResult writePdfFile(const PageStream& pages, const QString& path,
                            const PdfOptions& options = {});

}  // namespace reports
