#include "log_table_model.h"

#include "printing/log_total_text.h"

#include "engine/byte_amount.h"

#include <QDate>

#include <array>

namespace zrt {

namespace {

const std::array<const char*, LogTableModel::ColumnCount> kCaptions{
    QT_TRANSLATE_NOOP("zrt::LogTableModel", "Data"),        QT_TRANSLATE_NOOP("zrt::LogTableModel", "Ora Inizio"),
    QT_TRANSLATE_NOOP("zrt::LogTableModel", "Ora Fine"),    QT_TRANSLATE_NOOP("zrt::LogTableModel", "Scatti"),
    QT_TRANSLATE_NOOP("zrt::LogTableModel", "Spesa"),       QT_TRANSLATE_NOOP("zrt::LogTableModel", "Traffico"),
    QT_TRANSLATE_NOOP("zrt::LogTableModel", "Connessione"), QT_TRANSLATE_NOOP("zrt::LogTableModel", "Servizio")};

QString shortDate(const QString& isoDate)
{
    const QDate date = QDate::fromString(isoDate, Qt::ISODate);
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : isoDate;
}

QString pulsesText(const std::optional<qint64>& scatti)
{
    return scatti ? QString::number(*scatti) : kUnknownFigure;
}

QString costText(const std::optional<qint64>& costo)
{
    return costo && isCredibleCost(*costo) ? QString::number(*costo) : kUnknownFigure;
}

QString amountText(const std::optional<qint64>& bytes)
{
    return bytes ? QString::fromStdString(byteAmountText(*bytes)) : kUnknownFigure;
}

bool isNumeric(int column)
{
    return column == LogTableModel::ScattiColumn || column == LogTableModel::SpesaColumn
        || column == LogTableModel::TrafficoColumn;
}

QString cellText(const LogRow& row, int column)
{
    switch (column) {
    case LogTableModel::DataColumn: return shortDate(row.data);
    case LogTableModel::InizioColumn: return row.inizio;
    case LogTableModel::FineColumn: return row.fine;
    case LogTableModel::ScattiColumn: return pulsesText(row.scatti);
    case LogTableModel::SpesaColumn: return costText(row.costo);
    case LogTableModel::TrafficoColumn: return amountText(trafficBytes(row));
    case LogTableModel::ConnessioneColumn: return row.connessione;
    case LogTableModel::ServizioColumn: return row.servizio;
    }
    return {};
}

} // namespace

void LogTableModel::setSource(QList<LogRow> firstPage, PageReader readNextPage)
{
    beginResetModel();
    readPage_ = std::move(readNextPage);
    complete_ = firstPage.size() < ConnectionLog::kPageRows;
    rows_ = std::move(firstPage);
    endResetModel();
}

void LogTableModel::clear()
{
    beginResetModel();
    readPage_ = nullptr;
    rows_.clear();
    complete_ = true;
    endResetModel();
}

void LogTableModel::fetchAll()
{
    while (canFetchMore())
        fetchMore();
}

bool LogTableModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !complete_;
}

void LogTableModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const QList<LogRow> page = readPage_(rows_.isEmpty() ? 0 : rows_.constLast().id);
    complete_ = page.size() < ConnectionLog::kPageRows;
    if (page.isEmpty())
        return;
    beginInsertRows({}, int(rows_.size()), int(rows_.size() + page.size() - 1));
    rows_.append(page);
    endInsertRows();
}

int LogTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int LogTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole && isNumeric(index.column()))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && index.column() == TrafficoColumn)
        return trafficTip(rows_.at(index.row()));
    if (role != Qt::DisplayRole)
        return {};
    return cellText(rows_.at(index.row()), index.column());
}

QVariant LogTableModel::trafficTip(const LogRow& row)
{
    if (!trafficBytes(row))
        return {};
    return tr("Ricevuti %1, inviati %2").arg(amountText(row.byteRicevuti), amountText(row.byteInviati));
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return tr(kCaptions[static_cast<std::size_t>(section)]);
}

} // namespace zrt
