#include "ui/setup/connection_list_preview.h"

#include "printing/connection_list_printer.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zrt::test {
namespace {

ConnectionListReport reportOf(int rowCount)
{
    ConnectionListReport report{{}, QStringLiteral("Dicembre 2026"), {rowCount * 127, 0}};
    for (int i = 0; i < rowCount; ++i)
        report.rows.append(LogRow{i + 1, QStringLiteral("2026-12-07"), QStringLiteral("Casa"), QStringLiteral("10:00:00"),
                                  QStringLiteral("10:01:00"), 1, 127, QStringLiteral("Telecom Italia"), 60, {}, {}, {}, {}});
    return report;
}

// The page count pdfinfo reads in the file; 0 when it reads none.
int pdfPages(const QString& path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    if (!pdfinfo.waitForFinished() || pdfinfo.exitCode() != 0)
        return 0;
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

// What the preview paints is what printing the list straight to a file
// gives, page for page.
TEST(ConnectionListPreview, PaintsTheSamePagesAsThePrintedList)
{
    for (const int rowCount : {1, 45, 200}) {
        SCOPED_TRACE(rowCount);
        const ConnectionListReport report = reportOf(rowCount);
        QTemporaryDir folder;
        const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
        ASSERT_EQ(printConnectionList(report, PrintDestination::pdfFile(printed)).result,
                  PrintOutcome::Result::Printed);

        const std::unique_ptr<QPrintPreviewDialog> preview(makeConnectionListPreview(report, nullptr));
        EXPECT_FALSE(preview->printer()->docName().isEmpty());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QString previewed = folder.filePath(QStringLiteral("previewed.pdf"));
        printer.setOutputFileName(previewed);
        emit preview->paintRequested(&printer);

        EXPECT_GE(pdfPages(printed), 1);
        EXPECT_EQ(pdfPages(previewed), pdfPages(printed));
    }
}

} // namespace
} // namespace zrt::test
