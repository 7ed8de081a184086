#include "pdf_text.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace zrt::test {

QStringList pdfPageTexts(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed on " << path.toStdString() << ": "
                      << process.readAllStandardError().toStdString() << process.errorString().toStdString();
        return {};
    }
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    pages.removeLast(); // the text after the last page's form feed
    return pages;
}

} // namespace zrt::test
