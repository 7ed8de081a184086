#include "pending_journal.h"

#include "monitor_log.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zrt {

namespace {

// A journal holds a handful of rows; anything far larger is not one.
constexpr qint64 kMaxJournalBytes = 1 << 20;
constexpr int kFormatVersion = 1;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QJsonValue optionalNumber(const std::optional<qint64>& value)
{
    return value ? QJsonValue(static_cast<double>(*value)) : QJsonValue();
}

// A count of bytes can pass 2^53, so it is kept as text, like the keys.
QJsonValue optionalCount(const std::optional<qint64>& value)
{
    return value ? QJsonValue(QString::number(*value)) : QJsonValue();
}

const QString kByteRicevuti = QStringLiteral("byte_ricevuti");
const QString kByteInviati = QStringLiteral("byte_inviati");

QJsonObject rowObject(const RowClosing& row)
{
    QJsonObject object;
    // Keys can pass 2^53, beyond what a JSON number carries exactly.
    object[QStringLiteral("id")] = row.id ? QJsonValue(QString::number(*row.id)) : QJsonValue();
    object[QStringLiteral("connessione")] = row.start.connessione;
    object[QStringLiteral("data")] = QString::fromStdString(formatIsoDate(row.start.inizio.date));
    object[QStringLiteral("inizio")] = QString::fromStdString(formatTimeOfDay(row.start.inizio.time));
    object[QStringLiteral("servizio")] = row.start.servizio;
    object[QStringLiteral("inizio_utc")] = optionalNumber(row.start.inizioUtc);
    object[QStringLiteral("collegamento")] =
        row.start.collegamento ? QJsonValue(*row.start.collegamento) : QJsonValue();
    object[QStringLiteral("fine")] = QString::fromStdString(formatTimeOfDay(row.fine));
    object[QStringLiteral("costo")] = optionalNumber(row.figures.costo);
    object[QStringLiteral("scatti")] = optionalNumber(row.figures.scatti);
    object[QStringLiteral("secondi")] = static_cast<double>(row.figures.secondi);
    object[QStringLiteral("unpriced")] = row.unpriced;
    object[kByteRicevuti] = optionalCount(row.figures.byteRicevuti);
    object[kByteInviati] = optionalCount(row.figures.byteInviati);
    return object;
}

QByteArray journalText(const std::vector<RowClosing>& rows)
{
    QJsonArray array;
    for (const RowClosing& row : rows)
        array.append(rowObject(row));
    QJsonObject journal;
    journal[QStringLiteral("version")] = kFormatVersion;
    journal[QStringLiteral("rows")] = array;
    return QJsonDocument(journal).toJson(QJsonDocument::Indented);
}

// Whole numbers only, as a double holds them exactly.
std::optional<qint64> wholeNumber(const QJsonValue& value)
{
    constexpr double kExactLimit = 9007199254740992.0; // 2^53
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != static_cast<double>(static_cast<qint64>(number)) || number < -kExactLimit || number > kExactLimit)
        return std::nullopt;
    return static_cast<qint64>(number);
}

// A value that may be null; nothing at all when it is neither null nor a
// whole number.
std::optional<std::optional<qint64>> optionalWholeNumber(const QJsonValue& value)
{
    if (value.isNull())
        return std::optional<qint64>();
    if (const std::optional<qint64> number = wholeNumber(value))
        return number;
    return std::nullopt;
}

// A count kept as text, null, or missing in journals written before the
// traffic was counted; nothing at all when it is none of those.
std::optional<std::optional<qint64>> optionalCountField(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return std::optional<qint64>();
    if (!value.isString())
        return std::nullopt;
    bool whole = false;
    const qint64 count = value.toString().toLongLong(&whole);
    if (!whole || count < 0)
        return std::nullopt;
    return count;
}

std::optional<RowClosing> rowFrom(const QJsonObject& object)
{
    RowClosing row;
    const QJsonValue id = object.value(QStringLiteral("id"));
    if (id.isString()) {
        bool ok = false;
        row.id = id.toString().toLongLong(&ok);
        if (!ok)
            return std::nullopt;
    } else if (!id.isNull()) {
        return std::nullopt;
    }
    const auto date = parseIsoDate(object.value(QStringLiteral("data")).toString().toStdString());
    const auto start = parseTimeOfDay(object.value(QStringLiteral("inizio")).toString().toStdString());
    const auto fine = parseTimeOfDay(object.value(QStringLiteral("fine")).toString().toStdString());
    const auto inizioUtc = optionalWholeNumber(object.value(QStringLiteral("inizio_utc")));
    const auto costo = optionalWholeNumber(object.value(QStringLiteral("costo")));
    const auto scatti = optionalWholeNumber(object.value(QStringLiteral("scatti")));
    const auto secondi = wholeNumber(object.value(QStringLiteral("secondi")));
    const auto byteRicevuti = optionalCountField(object, kByteRicevuti);
    const auto byteInviati = optionalCountField(object, kByteInviati);
    const QJsonValue connessione = object.value(QStringLiteral("connessione"));
    const QJsonValue collegamento = object.value(QStringLiteral("collegamento"));
    if (!date || !start || start->seconds >= kSecondsPerDay || !fine || !inizioUtc || !costo || !scatti || !secondi
        || *secondi < 0 || !connessione.isString() || !(collegamento.isString() || collegamento.isNull())
        || !byteRicevuti || !byteInviati)
        return std::nullopt;
    row.start = {connessione.toString(), {*date, *start}, object.value(QStringLiteral("servizio")).toString(),
                 *inizioUtc, collegamento.isString() ? std::optional(collegamento.toString()) : std::nullopt};
    row.fine = *fine;
    row.figures = {*costo, *scatti, *secondi};
    row.figures.byteRicevuti = *byteRicevuti;
    row.figures.byteInviati = *byteInviati;
    row.unpriced = object.value(QStringLiteral("unpriced")).toBool();
    return row;
}

std::optional<std::vector<RowClosing>> rowsFrom(const QByteArray& text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text);
    const QJsonObject journal = document.object();
    if (!document.isObject() || journal.value(QStringLiteral("version")).toInt() != kFormatVersion
        || !journal.value(QStringLiteral("rows")).isArray())
        return std::nullopt;
    std::vector<RowClosing> rows;
    for (const QJsonValue& value : journal.value(QStringLiteral("rows")).toArray()) {
        std::optional<RowClosing> row = value.isObject() ? rowFrom(value.toObject()) : std::nullopt;
        if (!row)
            return std::nullopt;
        rows.push_back(std::move(*row));
    }
    return rows;
}

bool writeAll(int file, const QByteArray& text)
{
    qint64 written = 0;
    while (written < text.size()) {
        const ssize_t step = ::write(file, text.constData() + written, static_cast<size_t>(text.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

// The whole text on disk before it counts: written to a file of its own,
// synced, renamed over the journal (never following a link there), and the
// folder synced so the rename itself survives a power cut. On failure errno
// says why.
bool writeDurably(const QString& path, const QByteArray& text)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = target + ".new";
    ::unlink(temporary.constData());
    const int file = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file < 0)
        return false;
    bool done = writeAll(file, text) && ::fsync(file) == 0;
    int failure = errno;
    ::close(file);
    if (done && ::rename(temporary.constData(), target.constData()) != 0) {
        done = false;
        failure = errno;
    }
    if (!done) {
        ::unlink(temporary.constData());
        errno = failure;
        return false;
    }
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int directory = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    return true;
}

} // namespace

bool PendingJournal::save(const std::vector<RowClosing>& rows) const
{
    if (rows.empty()) {
        if (::unlink(QFile::encodeName(path_).constData()) == 0 || errno == ENOENT)
            return true;
        qCWarning(monitorLog) << "the journal" << path_ << "of rows written since could not be removed:"
                              << systemError();
        return false;
    }
    if (writeDurably(path_, journalText(rows)))
        return true;
    qCWarning(monitorLog) << "the rows that could not be written to the database could not be kept in" << path_
                          << "either:" << systemError();
    return false;
}

std::vector<RowClosing> PendingJournal::load() const
{
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile file(path_);
    std::optional<std::vector<RowClosing>> rows;
    if (info.isFile() && !info.isSymLink() && info.size() <= kMaxJournalBytes && file.open(QIODevice::ReadOnly))
        rows = rowsFrom(file.read(kMaxJournalBytes + 1));
    if (rows)
        return *rows;
    const QString damaged = path_ + QStringLiteral(".damaged");
    QFile::remove(damaged);
    QFile::rename(path_, damaged);
    qCWarning(monitorLog) << "the journal" << path_ << "of rows not yet written could not be read; it is kept as"
                          << damaged << "and nothing in it is written to the log";
    return {};
}

} // namespace zrt
