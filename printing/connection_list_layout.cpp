#include "connection_list_layout.h"

#include "log_total_text.h"

#include "engine/italian_number.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>

namespace zrt {

namespace {

// The layout is measured in twips. Its own coordinates keep 2000 twips clear
// above and left of the list; the printable area's top-left corner sits at
// 1500, so the list starts 500 twips inside the page margins.
constexpr qreal kTwipsPerInch = 1440;
constexpr int kTwipsPerPoint = 20;
constexpr qreal kPrintableOrigin = 1500;
constexpr qreal kLeft = 2000;
constexpr qreal kTop = 2000;
// Rows stop as far above the printable area's bottom as a continued page
// starts below its top.
constexpr qreal kBottomMargin = kTop - kPrintableOrigin;
// The printable width the list needs at full size, leaving the service
// column 2000 twips; a narrower page gets the whole list scaled down.
constexpr qreal kFullSizeWidth = 10500;

constexpr int kTitlePoints = 24;
constexpr int kPeriodPoints = 18;
constexpr int kListPoints = 10;

constexpr qreal kColumnGap = 100;
constexpr qreal kTotalRight = 8400;
constexpr qreal kRuleWidth = 10; // half a point

struct Column {
    qreal edge; // the left edge, or the right edge of a right-aligned column
    bool rightAligned;
    const char* heading;
};

enum ColumnIndex { kData, kInizio, kFine, kScatti, kSpesa, kConnessione, kServizio, kColumnCount };

constexpr std::array<Column, kColumnCount> kColumns{{
    {2000, false, "Data"},
    {3500, false, "Ora Inizio"},
    {5000, false, "Ora Fine"},
    {7100, true, "Scatti"},
    {8400, true, "Spesa"},
    {8500, false, "Con. Util.ta"},
    {10000, false, "Servizio"},
}};

// "##,##": thousands grouped, no decimals, nothing at all for zero.
QString grouped(double value)
{
    return QString::fromStdString(formatItalian(value, pattern::kGrouped));
}

// The total as "##,##", then how many costs it leaves out for not knowing them.
QString totalLine(const LogTotal& total)
{
    QString line = QStringLiteral("Totale  ") + grouped(static_cast<double>(total.lire));
    if (total.unpriced > 0)
        line += QStringLiteral(" (%1)").arg(unpricedText(total));
    return line;
}

// "2026-12-05" is printed as the short date "05/12/2026".
QString shortDate(const QString& isoDate)
{
    const QDate date = QDate::fromString(isoDate, Qt::ISODate);
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : isoDate;
}

// The page as the list sees it: a print position in twips that moves down
// line by line and starts again near the top of each new page.
class Sheet {
public:
    Sheet(QPainter& painter, QPagedPaintDevice& device) : painter_(painter), device_(device)
    {
        const qreal printableWidth = device.width() * kTwipsPerInch / device.logicalDpiX();
        const qreal printableHeight = device.height() * kTwipsPerInch / device.logicalDpiY();
        const qreal fit = std::min(1.0, printableWidth / kFullSizeWidth);
        painter.scale(fit * device.logicalDpiX() / kTwipsPerInch, fit * device.logicalDpiY() / kTwipsPerInch);
        painter.translate(-kPrintableOrigin, -kPrintableOrigin);
        painter.setPen(QPen(Qt::black, kRuleWidth));
        right_ = kPrintableOrigin + printableWidth / fit;
        bottom_ = kPrintableOrigin + printableHeight / fit - kBottomMargin;
    }

    qreal right() const { return right_; }

    void setFont(int points, bool bold)
    {
        QFont font(QStringLiteral("Arial"));
        // Pixels of the painter's coordinates are twips.
        font.setPixelSize(points * kTwipsPerPoint);
        font.setBold(bold);
        font.setHintingPreference(QFont::PreferNoHinting);
        painter_.setFont(font);
    }

    qreal lineHeight() const { return metrics().height(); }
    void skip(qreal height) { y_ += height; }
    void newLine() { skip(lineHeight()); }

    // Starts a new page when the next line would pass the bottom margin.
    bool makeRoomForLine()
    {
        if (y_ + lineHeight() <= bottom_)
            return true;
        y_ = kTop;
        return device_.newPage();
    }

    void drawText(qreal left, const QString& text) { painter_.drawText(QPointF(left, y_ + metrics().ascent()), text); }
    void drawTextRightAligned(qreal rightEdge, const QString& text)
    {
        drawText(rightEdge - metrics().horizontalAdvance(text), text);
    }
    void drawRule() { painter_.drawLine(QPointF(kLeft, y_), QPointF(right_, y_)); }

    QString elided(const QString& text, qreal width) const { return metrics().elidedText(text, Qt::ElideRight, width); }

private:
    QFontMetricsF metrics() const { return QFontMetricsF(painter_.font(), painter_.device()); }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    qreal right_ = 0;
    qreal bottom_ = 0;
    qreal y_ = kTop;
};

void drawCells(Sheet& sheet, const std::array<QString, kColumnCount>& cells)
{
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (kColumns[i].rightAligned)
            sheet.drawTextRightAligned(kColumns[i].edge, cells[i]);
        else
            sheet.drawText(kColumns[i].edge, cells[i]);
    }
    sheet.newLine();
}

void drawHeader(Sheet& sheet, const QString& period)
{
    sheet.setFont(kTitlePoints, true);
    sheet.drawText(kLeft, kConnectionListTitle);
    sheet.newLine();

    sheet.setFont(kPeriodPoints, false);
    sheet.drawText(kLeft, QStringLiteral("Periodo: ") + period);
    sheet.newLine();
    sheet.newLine(); // an empty line of the period's height

    sheet.setFont(kListPoints, true);
    sheet.skip(3 * sheet.lineHeight());
    std::array<QString, kColumnCount> headings;
    std::transform(kColumns.begin(), kColumns.end(), headings.begin(),
                   [](const Column& column) { return QString::fromLatin1(column.heading); });
    drawCells(sheet, headings);
    sheet.drawRule();
}

// Entry and service names are free text: a long one is cut short with "…"
// rather than run into the next column or off the page.
std::array<QString, kColumnCount> rowCells(const Sheet& sheet, const LogRow& row)
{
    const qreal entryWidth = kColumns[kServizio].edge - kColumnGap - kColumns[kConnessione].edge;
    const qreal serviceWidth = sheet.right() - kColumns[kServizio].edge;
    return {
        shortDate(row.data),
        row.inizio,
        row.fine,
        row.scatti ? QString::number(*row.scatti) : kUnknownFigure,
        row.costo && isCredibleCost(*row.costo) ? grouped(static_cast<double>(*row.costo)) : kUnknownFigure,
        sheet.elided(row.connessione, entryWidth),
        sheet.elided(row.servizio, serviceWidth),
    };
}

} // namespace

bool drawConnectionList(QPainter& painter, QPagedPaintDevice& device, const ConnectionListReport& report)
{
    Sheet sheet(painter, device);
    drawHeader(sheet, report.period);

    sheet.setFont(kListPoints, false);
    for (const LogRow& row : report.rows) {
        if (!sheet.makeRoomForLine())
            return false;
        drawCells(sheet, rowCells(sheet, row));
    }

    sheet.setFont(kListPoints, true);
    sheet.newLine();
    if (!sheet.makeRoomForLine())
        return false;
    sheet.drawTextRightAligned(kTotalRight, totalLine(report.total));
    return true;
}

} // namespace zrt
