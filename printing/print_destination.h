#pragma once

#include <QPageSize>
#include <QPrinterInfo>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace zrt {

// How a print request ended, with a sentence for the user.
struct PrintOutcome {
    enum class Result { Printed, NothingToPrint, Failed };

    Result result = Result::Failed;
    QString message;
};

// Where a document goes: a system printer or a PDF file. A document arrives
// whole or not at all: a failed printer job is aborted, and a PDF file is
// written under a temporary name and takes its own name only when complete.
class PrintDestination {
public:
    // Draws the document's pages; false when the device refused a page.
    using Drawing = std::function<bool(QPainter&, QPagedPaintDevice&)>;

    // The system's default printer; without one, printing fails and says so.
    static PrintDestination defaultPrinter();
    static PrintDestination printer(const QPrinterInfo& printer);
    static PrintDestination pdfFile(const QString& path, const QPageSize& pageSize = QPageSize(QPageSize::A4));

    PrintOutcome print(const QString& documentName, const Drawing& drawing) const;

private:
    PrintDestination() = default;

    PrintOutcome printOnPrinter(const QString& documentName, const Drawing& drawing) const;
    PrintOutcome writePdf(const QString& documentName, const Drawing& drawing) const;

    QPrinterInfo printer_;
    QString pdfPath_; // empty for a printer
    QPageSize pageSize_;
};

} // namespace zrt
