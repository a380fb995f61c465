#pragma once

// Reading back PDF files in tests with poppler's command-line tools.

#include <QString>

namespace testing_support {

// Page count from `pdfinfo`; -1 when the tool fails.
int pdfPageCount(const QString& path);
// "Page size:" line of `pdfinfo` (for example "612 x 792 pts (letter)").
QString pdfPageSize(const QString& path);
// Text of the document (or of pages first..last) from `pdftotext -layout`.
QString pdfText(const QString& path, int firstPage = 0, int lastPage = 0);

}  // namespace testing_support
