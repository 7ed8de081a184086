#include "pdf_text.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace zrt::test {

namespace {

QString pdftotext(const QStringList& options, const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed on " << path.toStdString() << ": "
                      << process.readAllStandardError().toStdString() << process.errorString().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

double attribute(const QRegularExpressionMatch& match, const char* name)
{
    return match.captured(QString::fromLatin1(name)).toDouble();
}

} // namespace

QStringList pdfPageTexts(const QString& path)
{
    QStringList pages = pdftotext({QStringLiteral("-layout")}, path).split(QLatin1Char('\f'));
    pages.removeLast(); // the text after the last page's form feed
    return pages;
}

QList<PdfPage> pdfPageWords(const QString& path)
{
    static const QRegularExpression pageTag(
        QStringLiteral(R"re(<page width="(?<width>[\d.]+)" height="(?<height>[\d.]+)">)re"));
    static const QRegularExpression wordTag(QStringLiteral(
        R"re(<word xMin="(?<xMin>[\d.]+)" yMin="(?<yMin>[\d.]+)" xMax="(?<xMax>[\d.]+)" yMax="(?<yMax>[\d.]+)">(?<text>.*)</word>)re"));
    QList<PdfPage> pages;
    const QStringList lines = pdftotext({QStringLiteral("-bbox")}, path).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (const QRegularExpressionMatch page = pageTag.match(line); page.hasMatch()) {
            pages.append({QSizeF(attribute(page, "width"), attribute(page, "height")), {}});
        } else if (const QRegularExpressionMatch word = wordTag.match(line); word.hasMatch() && !pages.isEmpty()) {
            const QPointF topLeft(attribute(word, "xMin"), attribute(word, "yMin"));
            const QPointF bottomRight(attribute(word, "xMax"), attribute(word, "yMax"));
            pages.last().words.append({word.captured(QStringLiteral("text")), QRectF(topLeft, bottomRight)});
        }
    }
    return pages;
}

} // namespace zrt::test
