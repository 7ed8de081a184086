#include "connection_list_preview.h"

#include "printing/connection_list_printer.h"

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace zrt {

namespace {

QString defaultPdfPath(const ConnectionListReport& report)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    QString name = connectionListDocumentName(report);
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

} // namespace

QPrintPreviewDialog* makeConnectionListPreview(const ConnectionListReport& report, QWidget* parent)
{
    auto* dialog = new QPrintPreviewDialog(parent);
    QPrinter& printer = *dialog->printer();
    printer.setDocName(connectionListDocumentName(report));
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(defaultPdfPath(report));
    }
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [report](QPrinter* target) { paintConnectionList(*target, report); });
    return dialog;
}

} // namespace zrt
