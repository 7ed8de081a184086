#include "band_view_model.h"

#include <QLocale>

namespace zrt {

namespace {

QString shortTime(TimeOfDay time)
{
    const int hours = time.seconds / 3600;
    const int minutes = time.seconds % 3600 / 60;
    return QStringLiteral("%1:%2").arg(hours, 2, 10, QLatin1Char('0')).arg(minutes, 2, 10, QLatin1Char('0'));
}

// Amounts in Lire may carry fractions; they show as the Italian reader
// writes them, "17,7", without trailing zeros.
QString number(double value)
{
    static const QLocale italian = [] {
        QLocale locale(QLocale::Italian, QLocale::Italy);
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale;
    }();
    return italian.toString(value, 'f', QLocale::FloatingPointShortest);
}

QString cellText(const Band& band, int column)
{
    switch (column) {
    case BandViewModel::InizioColumn: return shortTime(band.inizio);
    case BandViewModel::FineColumn: return shortTime(band.fine);
    case BandViewModel::DurataColumn: return number(band.durata);
    case BandViewModel::CostoScattoColumn:
    case BandViewModel::CostoMinutoColumn: return number(band.costo);
    case BandViewModel::SecondoCostoColumn: return band.secondoCosto ? number(*band.secondoCosto) : QString();
    case BandViewModel::CostoRispostaColumn: return number(band.costoAllaRisposta);
    }
    return {};
}

} // namespace

BandViewModel::BandViewModel(QObject* parent)
    : QAbstractTableModel(parent),
      captions_{tr("Inizio"), tr("Fine"), tr("Durata (sec)"), tr("Costo Scatto (*)"), tr("Costo al Minuto (*)"),
                QString(), tr("Costo Risposta (*)")}
{
}

void BandViewModel::setBands(QList<Fascia> bands)
{
    beginResetModel();
    bands_ = std::move(bands);
    endResetModel();
}

int BandViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(bands_.size());
}

int BandViewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BandViewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole && index.column() >= DurataColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return cellText(bands_.at(index.row()).band, index.column());
}

QVariant BandViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return captions_.at(section);
}

bool BandViewModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role)
{
    if (role != Qt::EditRole || orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return false;
    captions_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

} // namespace zrt
