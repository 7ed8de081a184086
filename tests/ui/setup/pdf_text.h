#pragma once

#include <QStringList>

namespace zrt::test {

// The text of each page of a PDF file, laid out in lines by pdftotext.
QStringList pdfPageTexts(const QString& path);

} // namespace zrt::test
