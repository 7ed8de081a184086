#include "print_destination.h"

#include "engine/program_name.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace zrt {

namespace {

const QMarginsF kPageMarginsMm{10, 10, 10, 10};

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(zrt::PrintDestination)
};

PrintOutcome failed(const QString& message)
{
    return {PrintOutcome::Result::Failed, message};
}

} // namespace

PrintDestination PrintDestination::defaultPrinter()
{
    return printer(QPrinterInfo::defaultPrinter());
}

PrintDestination PrintDestination::printer(const QPrinterInfo& printer)
{
    PrintDestination destination;
    destination.printer_ = printer;
    return destination;
}

PrintDestination PrintDestination::pdfFile(const QString& path, const QPageSize& pageSize)
{
    PrintDestination destination;
    destination.pdfPath_ = path;
    destination.pageSize_ = pageSize;
    return destination;
}

PrintOutcome PrintDestination::print(const QString& documentName, const Drawing& drawing) const
{
    return pdfPath_.isEmpty() ? printOnPrinter(documentName, drawing) : writePdf(documentName, drawing);
}

PrintOutcome PrintDestination::printOnPrinter(const QString& documentName, const Drawing& drawing) const
{
    if (printer_.isNull())
        return failed(Texts::tr("No printer is set up: add a default printer, or print to a PDF file."));
    const QString name = printer_.printerName();
    QPrinter printer(printer_, QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageMargins(kPageMarginsMm, QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&printer))
        return failed(Texts::tr("The printer \"%1\" cannot start printing.").arg(name));
    if (!drawing(painter, printer)) {
        printer.abort();
        painter.end();
        return failed(Texts::tr("The printer \"%1\" refused a new page; the job was cancelled.").arg(name));
    }
    painter.end();
    return {PrintOutcome::Result::Printed, Texts::tr("Sent to the printer \"%1\".").arg(name)};
}

PrintOutcome PrintDestination::writePdf(const QString& documentName, const Drawing& drawing) const
{
    QSaveFile file(pdfPath_);
    if (!file.open(QIODevice::WriteOnly))
        return failed(Texts::tr("%1: cannot write the file: %2").arg(pdfPath_, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setTitle(documentName);
        writer.setCreator(QString::fromUtf8(kProgramName));
        writer.setPageSize(pageSize_);
        writer.setPageMargins(kPageMarginsMm, QPageLayout::Millimeter);

        QPainter painter;
        if (!painter.begin(&writer))
            return failed(Texts::tr("%1: cannot start the PDF document.").arg(pdfPath_));
        const bool drawn = drawing(painter, writer);
        painter.end();
        if (!drawn)
            return failed(Texts::tr("%1: a new page could not be started; nothing was written.").arg(pdfPath_));
    }
    if (!file.commit())
        return failed(Texts::tr("%1: cannot save the file: %2").arg(pdfPath_, file.errorString()));
    return {PrintOutcome::Result::Printed, Texts::tr("Written to %1.").arg(pdfPath_)};
}

} // namespace zrt
