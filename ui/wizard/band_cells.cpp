#include "band_cells.h"

#include "engine/italian_number.h"
#include "engine/time_of_day.h"

#include <QRegularExpression>

namespace zrt {

namespace {

QString cellTimeText(TimeOfDay time)
{
    const QString full = QString::fromStdString(formatTimeOfDay(time));
    return time.seconds % 60 == 0 ? full.left(5) : full;
}

QString numberText(const std::optional<double>& number)
{
    return number ? amountText(*number) : QString();
}

// Dots must group thousands: "30.60" is a slip for 30,60, not 3060.
std::optional<double> numberIn(const QString& text)
{
    static const QRegularExpression grouped(QStringLiteral(R"(^\s*-?\d{1,3}(\.\d{3})+(,\d*)?\s*$)"));
    if (text.contains(QLatin1Char('.')) && !grouped.match(text).hasMatch())
        return std::nullopt;
    return parseItalianNumber(text.toStdString());
}

std::optional<TimeOfDay> timeIn(const QString& text)
{
    return parseTimeOfDay(text.trimmed().toStdString());
}

std::optional<double>* numberField(BandColumn column, BandDraft& band)
{
    switch (column) {
    case BandColumn::Durata: return &band.durata;
    case BandColumn::CostoScatto:
    case BandColumn::CostoMinuto: return &band.costo;
    case BandColumn::SecondoCosto: return &band.secondoCosto;
    case BandColumn::CostoRisposta: return &band.costoAllaRisposta;
    case BandColumn::Inizio:
    case BandColumn::Fine: return nullptr;
    }
    return nullptr;
}

} // namespace

QString amountText(double lire)
{
    // Up to four decimals: tariff prices may hold fractions of a Lira.
    QString text = QString::fromStdString(formatItalian(lire, pattern::kEuroSmall));
    if (text.endsWith(QLatin1Char(','))) // the pattern writes its comma even for whole numbers
        text.chop(1);
    return text;
}

QString BandCells::caption(BandColumn column, int reductionMinute)
{
    switch (column) {
    case BandColumn::Inizio: return tr("Inizio");
    case BandColumn::Fine: return tr("Fine");
    case BandColumn::Durata: return tr("Durata (sec)");
    case BandColumn::CostoScatto: return tr("Costo Scatto (*)");
    case BandColumn::CostoMinuto:
        return reductionMinute > 0 ? tr("Costo al Min. fino al %1°(*)").arg(reductionMinute)
                                   : tr("Costo al Minuto (*)");
    case BandColumn::SecondoCosto: return tr("Costo al Min. dopo il %1°(*)").arg(reductionMinute);
    case BandColumn::CostoRisposta: return tr("Costo Risposta (*)");
    }
    return {};
}

bool BandCells::shown(BandColumn column, Metering metering, int reductionMinute)
{
    switch (column) {
    case BandColumn::Durata:
    case BandColumn::CostoScatto: return metering == Metering::Pulse;
    case BandColumn::CostoMinuto: return metering == Metering::Minute;
    case BandColumn::SecondoCosto: return metering == Metering::Minute && reductionMinute > 0;
    case BandColumn::Inizio:
    case BandColumn::Fine:
    case BandColumn::CostoRisposta: return true;
    }
    return true;
}

QString BandCells::text(const BandDraft& band, BandColumn column)
{
    switch (column) {
    case BandColumn::Inizio: return cellTimeText(band.inizio);
    case BandColumn::Fine: return cellTimeText(band.fine);
    case BandColumn::Durata: return numberText(band.durata);
    case BandColumn::CostoScatto:
    case BandColumn::CostoMinuto: return numberText(band.costo);
    case BandColumn::SecondoCosto: return numberText(band.secondoCosto);
    case BandColumn::CostoRisposta: return numberText(band.costoAllaRisposta);
    }
    return {};
}

std::optional<QString> BandCells::read(const QString& text, BandColumn column, BandDraft& band)
{
    if (std::optional<double>* field = numberField(column, band)) {
        if (text.trimmed().isEmpty()) {
            field->reset();
            return std::nullopt;
        }
        const std::optional<double> number = numberIn(text);
        if (!number)
            return tr("Numero non valido: scrivere le cifre con la virgola per i decimali, per esempio 127 o 30,60.");
        *field = number;
        return std::nullopt;
    }
    const std::optional<TimeOfDay> time = timeIn(text);
    if (!time)
        return tr("Orario non valido: scrivere l'ora come HH:MM o HH:MM:SS, da 00:00 a 24:00.");
    (column == BandColumn::Inizio ? band.inizio : band.fine) = *time;
    return std::nullopt;
}

} // namespace zrt
