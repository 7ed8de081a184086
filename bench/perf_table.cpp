// Reads the JSON written by the benchmarks (--benchmark_out) and by
// perf_probe and prints one table of the measures side by side: A, B, their
// ratio, the target and whether it is met.
//
//   perf_table RESULT.json...
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <optional>

namespace zrt {

namespace {

// Every figure in one unit per row: milliseconds for times.
using Figures = QMap<QString, double>;

double toMilliseconds(double value, const QString& unit)
{
    if (unit == QLatin1String("ns"))
        return value / 1e6;
    if (unit == QLatin1String("us"))
        return value / 1e3;
    if (unit == QLatin1String("s"))
        return value * 1e3;
    return value;
}

void readResults(const QString& path, Figures& figures, QTextStream& errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors << "perf_table: cannot read " << path << '\n';
        return;
    }
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    for (const QJsonValue& entry : root.value(QLatin1String("benchmarks")).toArray()) {
        const QJsonObject benchmark = entry.toObject();
        if (benchmark.value(QLatin1String("error_occurred")).toBool()
            || benchmark.value(QLatin1String("run_type")).toString() == QLatin1String("aggregate"))
            continue;
        // Named by the function alone, without "/real_time" and the like.
        figures.insert(benchmark.value(QLatin1String("name")).toString().section(QLatin1Char('/'), 0, 0),
                       toMilliseconds(benchmark.value(QLatin1String("real_time")).toDouble(),
                                      benchmark.value(QLatin1String("time_unit")).toString()));
    }
    const QJsonObject measures = root.value(QLatin1String("measures")).toObject();
    for (auto measure = measures.begin(); measure != measures.end(); ++measure)
        figures.insert(measure.key(), measure.value().toDouble());
}

enum class Goal {
    BFaster, // the ratio A/B above 1
    BBelow,  // B under the limit
    ABelow,  // A under the limit; the row has no B
};

struct Row {
    QString measure;
    QString a;
    QString b; // empty: the row has no B
    QString unit;
    double scale = 1; // from the figures' unit to the row's
    Goal goal = Goal::BFaster;
    double limit = 0;
    QString target;
    bool ratio = true; // whether A/B means anything
};

QList<Row> tableRows()
{
    return {
        {QStringLiteral("Monitor second while metering: A file opened per operation, B kept connection"),
         QStringLiteral("BM_MeteredSecond<FileOpenedEachTime>"), QStringLiteral("BM_MeteredSecond<KeptConnection>"),
         QStringLiteral("µs"), 1e3, Goal::BFaster, 0, QStringLiteral("B faster")},
        {QStringLiteral("Tariff update 100 × 60 bands: A commit per row, B one transaction"),
         QStringLiteral("BM_TariffUpdateCommitPerRow"), QStringLiteral("BM_TariffUpdateOneTransaction"),
         QStringLiteral("ms"), 1, Goal::BFaster, 0, QStringLiteral("B faster")},
        {QStringLiteral("Month view (open, total, first page), 1,000,000 rows"),
         QStringLiteral("BM_MonthView_Indexed"), {}, QStringLiteral("ms"), 1, Goal::ABelow, 5, QStringLiteral("< 5 ms")},
        {QStringLiteral("Year statistics, 1,000,000 rows"), QStringLiteral("BM_YearStatistics_Indexed"), {},
         QStringLiteral("ms"), 1, Goal::ABelow, 20, QStringLiteral("< 20 ms")},
        {QStringLiteral("Idle CPU, headless"), QStringLiteral("idle_headless.cpu_percent"), {},
         QStringLiteral("% of a core"), 1, Goal::ABelow, 0.1, QStringLiteral("< 0.1 %")},
        {QStringLiteral("Idle CPU, windowed (Xvfb)"), QStringLiteral("idle_windowed.cpu_percent"), {},
         QStringLiteral("% of a core"), 1, Goal::ABelow, 0.1, QStringLiteral("< 0.1 %")},
        {QStringLiteral("Idle wake-ups, headless: A asking once a second, B waiting for news"),
         QStringLiteral("idle_headless_polling.wakeups_per_minute"), QStringLiteral("idle_headless.wakeups_per_minute"),
         QStringLiteral("per minute"), 1, Goal::BBelow, 1, QStringLiteral("B 0 per minute"), false},
        {QStringLiteral("Connection noticed, headless: A asking once a second, B waiting for news"),
         QStringLiteral("notice_polling.notice_ms"), QStringLiteral("notice.notice_ms"),
         QStringLiteral("ms"), 1, Goal::BBelow, 100, QStringLiteral("B < 100 ms")},
        {QStringLiteral("Resident memory idle (VmRSS), headless"), QStringLiteral("idle_headless.rss_mib"), {},
         QStringLiteral("MiB"), 1, Goal::ABelow, 40, QStringLiteral("< 40 MiB")},
        {QStringLiteral("Resident memory idle (VmRSS), windowed (Xvfb)"), QStringLiteral("idle_windowed.rss_mib"), {},
         QStringLiteral("MiB"), 1, Goal::ABelow, 40, QStringLiteral("< 40 MiB")},
        {QStringLiteral("Start-up to main window shown: A with the intro's 1 s wait, B without it"),
         QStringLiteral("startup.main_window_ms"), QStringLiteral("startup.main_window_without_wait_ms"),
         QStringLiteral("ms"), 1, Goal::BBelow, 400, QStringLiteral("B < 400 ms"), false},
    };
}

QString number(double value)
{
    if (value >= 100)
        return QString::number(value, 'f', 0);
    if (value >= 10)
        return QString::number(value, 'f', 1);
    if (value >= 1)
        return QString::number(value, 'f', 2);
    return QString::number(value, 'g', 2);
}

QStringList cellsOf(const Row& row, const Figures& figures)
{
    const std::optional<double> a =
        figures.contains(row.a) ? std::optional(figures.value(row.a) * row.scale) : std::nullopt;
    const std::optional<double> b =
        figures.contains(row.b) ? std::optional(figures.value(row.b) * row.scale) : std::nullopt;
    const auto withUnit = [&row](std::optional<double> value) {
        return value ? number(*value) + QLatin1Char(' ') + row.unit : QStringLiteral("not measured");
    };
    const bool ratioKnown = a && b && *b > 0;
    QString verdict = QStringLiteral("not measured");
    switch (row.goal) {
    case Goal::BFaster:
        if (ratioKnown)
            verdict = *a / *b > 1 ? QStringLiteral("pass") : QStringLiteral("FAIL");
        break;
    case Goal::BBelow:
        if (b)
            verdict = *b < row.limit ? QStringLiteral("pass") : QStringLiteral("FAIL");
        break;
    case Goal::ABelow:
        if (a)
            verdict = *a < row.limit ? QStringLiteral("pass") : QStringLiteral("FAIL");
        break;
    }
    return {row.measure, withUnit(a), row.b.isEmpty() ? QStringLiteral("—") : withUnit(b),
            ratioKnown && row.ratio ? number(*a / *b) + QStringLiteral(" ×") : QStringLiteral("—"), row.target,
            verdict};
}

void printTable(const QList<QStringList>& lines, QTextStream& out)
{
    QList<qsizetype> widths(lines.front().size(), 0);
    for (const QStringList& cells : lines) {
        for (qsizetype i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths[i], cells[i].size());
    }
    const auto printLine = [&](const QStringList& cells) {
        out << '|';
        for (qsizetype i = 0; i < cells.size(); ++i)
            out << ' ' << cells[i].leftJustified(widths[i]) << " |";
        out << '\n';
    };
    printLine(lines.front());
    QStringList rule;
    for (const qsizetype width : widths)
        rule << QString(width, QLatin1Char('-'));
    printLine(rule);
    for (qsizetype i = 1; i < lines.size(); ++i)
        printLine(lines[i]);
}

} // namespace

} // namespace zrt

int main(int argc, char** argv)
{
    using namespace zrt;
    QTextStream out(stdout);
    QTextStream errors(stderr);
    Figures figures;
    for (int i = 1; i < argc; ++i)
        readResults(QFile::decodeName(argv[i]), figures, errors);
    QList<QStringList> lines{{QStringLiteral("Measure"), QStringLiteral("A"), QStringLiteral("B"),
                              QStringLiteral("A/B"), QStringLiteral("Target"), QStringLiteral("Verdict")}};
    for (const Row& row : tableRows())
        lines << cellsOf(row, figures);
    printTable(lines, out);
    return 0;
}
