#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace zrt::test {

// The text of each page of a PDF file, laid out in lines by pdftotext.
QStringList pdfPageTexts(const QString& path);

// Each word of a page with its box, in points from the page's top-left.
struct PdfWord {
    QString text;
    QRectF box;
};

struct PdfPage {
    QSizeF size;
    QList<PdfWord> words;
};

QList<PdfPage> pdfPageWords(const QString& path);

} // namespace zrt::test
