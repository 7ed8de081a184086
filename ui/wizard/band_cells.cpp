#include "band_cells.h"

#include "engine/italian_number.h"
#include "engine/time_of_day.h"

#include <QRegularExpression>

namespace zrt {

namespace {

// Up to four decimals: tariff prices may hold fractions of a Lira.
constexpr std::string_view kAmountPattern = pattern::kEuroSmall;

QString timeHint()
{
    return QStringLiteral("Orario non valido: scrivere l'ora come HH:MM o HH:MM:SS, da 00:00 a 24:00.");
}

QString amountHint()
{
    return QStringLiteral(
        "Importo non valido: scrivere un numero non negativo con la virgola per i decimali, per esempio 127 o 30,60.");
}

QString pulseHint()
{
    return QStringLiteral("Durata non valida: scrivere i secondi di uno scatto, un numero maggiore di zero.");
}

QString timeText(TimeOfDay time)
{
    const QString full = QString::fromStdString(formatTimeOfDay(time));
    return time.seconds % 60 == 0 ? full.left(5) : full;
}

QString amountText(double value)
{
    QString text = QString::fromStdString(formatItalian(value, kAmountPattern));
    if (text.endsWith(QLatin1Char(','))) // the pattern writes its comma even for whole numbers
        text.chop(1);
    return text;
}

// Dots must group thousands: "30.60" is a slip for 30,60, not 3060.
std::optional<double> numberIn(const QString& text)
{
    static const QRegularExpression grouped(QStringLiteral(R"(^\s*\d{1,3}(\.\d{3})+(,\d*)?\s*$)"));
    if (text.contains(QLatin1Char('.')) && !grouped.match(text).hasMatch())
        return std::nullopt;
    return parseItalianNumber(text.toStdString());
}

std::optional<QString> readTime(const QString& text, TimeOfDay& field)
{
    const std::optional<TimeOfDay> time = parseTimeOfDay(text.trimmed().toStdString());
    if (!time)
        return timeHint();
    field = *time;
    return std::nullopt;
}

std::optional<QString> readAmount(const QString& text, double& field)
{
    const std::optional<double> amount = numberIn(text);
    if (!amount || *amount < 0)
        return amountHint();
    field = *amount;
    return std::nullopt;
}

// A pulse period of zero would make every connection free.
std::optional<QString> readPulsePeriod(const QString& text, double& field)
{
    const std::optional<double> seconds = numberIn(text);
    if (!seconds || !(*seconds > 0))
        return pulseHint();
    field = *seconds;
    return std::nullopt;
}

} // namespace

QString bandColumnCaption(BandColumn column)
{
    switch (column) {
    case BandColumn::Inizio: return QStringLiteral("Inizio");
    case BandColumn::Fine: return QStringLiteral("Fine");
    case BandColumn::Durata: return QStringLiteral("Durata (sec)");
    case BandColumn::CostoScatto: return QStringLiteral("Costo Scatto (*)");
    case BandColumn::CostoMinuto: return QStringLiteral("Costo al Minuto (*)");
    case BandColumn::CostoRisposta: return QStringLiteral("Costo Risposta (*)");
    }
    return {};
}

bool bandColumnShown(BandColumn column, Metering metering)
{
    switch (column) {
    case BandColumn::Durata:
    case BandColumn::CostoScatto: return metering == Metering::Pulse;
    case BandColumn::CostoMinuto: return metering == Metering::Minute;
    case BandColumn::Inizio:
    case BandColumn::Fine:
    case BandColumn::CostoRisposta: return true;
    }
    return true;
}

QString bandCellText(const Band& band, BandColumn column)
{
    switch (column) {
    case BandColumn::Inizio: return timeText(band.inizio);
    case BandColumn::Fine: return timeText(band.fine);
    case BandColumn::Durata: return amountText(band.durata);
    case BandColumn::CostoScatto:
    case BandColumn::CostoMinuto: return amountText(band.costo);
    case BandColumn::CostoRisposta: return amountText(band.costoAllaRisposta);
    }
    return {};
}

std::optional<QString> readBandCell(const QString& text, BandColumn column, Band& band)
{
    switch (column) {
    case BandColumn::Inizio: return readTime(text, band.inizio);
    case BandColumn::Fine: return readTime(text, band.fine);
    case BandColumn::Durata: return readPulsePeriod(text, band.durata);
    case BandColumn::CostoScatto:
    case BandColumn::CostoMinuto: return readAmount(text, band.costo);
    case BandColumn::CostoRisposta: return readAmount(text, band.costoAllaRisposta);
    }
    return amountHint();
}

} // namespace zrt
