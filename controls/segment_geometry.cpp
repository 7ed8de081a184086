#include "controls/segment_geometry.h"

#include <array>

namespace zrt {
namespace {

constexpr std::array<unsigned, 10> digitSegments{
    SegmentA | SegmentB | SegmentC | SegmentD | SegmentE | SegmentF,
    SegmentB | SegmentC,
    SegmentA | SegmentB | SegmentD | SegmentE | SegmentG,
    SegmentA | SegmentB | SegmentC | SegmentD | SegmentG,
    SegmentB | SegmentC | SegmentF | SegmentG,
    SegmentA | SegmentC | SegmentD | SegmentF | SegmentG,
    SegmentA | SegmentC | SegmentD | SegmentE | SegmentF | SegmentG,
    SegmentA | SegmentB | SegmentC,
    SegmentA | SegmentB | SegmentC | SegmentD | SegmentE | SegmentF | SegmentG,
    SegmentA | SegmentB | SegmentC | SegmentD | SegmentF | SegmentG,
};

// Draws a bar of length, thickness and pointed ends as a run of one-pixel
// lines, each successive one a pixel further along the thickness.
class StrokeWriter
{
public:
    StrokeWriter(const SegmentMetrics& metrics, const PixelScale& scale, QList<QLineF>& out)
        : metrics_(metrics), scale_(scale), out_(out)
    {
    }

    void verticalSegment(double x, double y) const
    {
        const double w = metrics_.thickness;
        const double l = metrics_.segmentLength;
        for (double i = 0; i <= w; i += scale_.px) {
            const double reach = i < w / 2 ? i : w - i;
            out_.append(QLineF(x + i, y - reach, x + i, y + l + reach));
        }
    }

    void horizontalSegment(double x, double y) const
    {
        const double w = metrics_.thickness;
        const double l = metrics_.segmentLength;
        for (double i = 0; i <= w; i += scale_.px) {
            const double reach = i < w / 2 ? i : w - i;
            out_.append(QLineF(x - reach, y + i, x + l + reach, y + i));
        }
    }

    void digit(unsigned segments, double x, double y) const
    {
        const double h = metrics_.segmentLength;
        const double s = metrics_.thickness;
        const double across = x + s + scale_.px;
        const double right = x + metrics_.rightColumn;
        const double lower = y + metrics_.lowerHalf;
        if (segments & SegmentA)
            horizontalSegment(across, y - s - scale_.py);
        if (segments & SegmentB)
            verticalSegment(right, y);
        if (segments & SegmentC)
            verticalSegment(right, lower);
        if (segments & SegmentD)
            horizontalSegment(across, lower + h);
        if (segments & SegmentE)
            verticalSegment(x, lower);
        if (segments & SegmentF)
            verticalSegment(x, y);
        if (segments & SegmentG)
            horizontalSegment(across, y + h);
    }

    void comma(double x, double baseline) const
    {
        const int px = scale_.px;
        out_.append(QLineF(x + px, baseline - 45, x - 2 * px, baseline));
        out_.append(QLineF(x + 2 * px, baseline - 45, x - px, baseline));
    }

    void period(double x, double baseline) const
    {
        const int px = scale_.px;
        out_.append(QLineF(x + px, baseline - scale_.py, x - 2 * px, baseline - scale_.py));
        out_.append(QLineF(x + px, baseline - 2 * scale_.py, x - 2 * px, baseline - 2 * scale_.py));
    }

    void colon(double x, double baseline) const
    {
        const int px = scale_.px;
        const int py = scale_.py;
        for (const double offset : {0, 6 * py}) {
            const double upper = (baseline - py) / 2 + offset;
            const double lower = (baseline - 2 * py) / 2 + offset;
            out_.append(QLineF(x + 2 * px, upper, x - px, upper));
            out_.append(QLineF(x + 2 * px, lower, x - px, lower));
        }
    }

private:
    const SegmentMetrics& metrics_;
    const PixelScale& scale_;
    QList<QLineF>& out_;
};

} // namespace

unsigned segmentsLit(QChar character)
{
    if (character == QLatin1Char('-'))
        return SegmentG;
    if (character < QLatin1Char('0') || character > QLatin1Char('9'))
        return 0;
    return digitSegments[std::size_t(character.unicode() - '0')];
}

SegmentMetrics SegmentMetrics::of(int segmentLength, const PixelScale& scale)
{
    const bool thin = segmentLength < 75;
    SegmentMetrics metrics;
    metrics.segmentLength = segmentLength;
    metrics.thickness = thin ? 15 : 30;
    metrics.gapFactor = thin ? 1 : 2;
    metrics.cellWidth = segmentLength + 2 * metrics.thickness + 3 * scale.px;
    metrics.rightColumn = segmentLength + 10 + metrics.gapFactor * scale.px;
    metrics.lowerHalf = segmentLength + metrics.thickness + scale.py;
    return metrics;
}

int segmentTextWidth(const QString& text, const SegmentMetrics& metrics, const PixelScale& scale)
{
    int width = int(text.size()) * metrics.cellWidth;
    if (text.contains(QLatin1Char(',')))
        width += 2 * scale.px - metrics.cellWidth;
    if (text.contains(QLatin1Char('.')))
        width += 2 * scale.px - metrics.cellWidth;
    if (text.contains(QLatin1Char(':')))
        width += 3 * scale.px - metrics.cellWidth;
    return width;
}

QList<QLineF> segmentStrokes(const QString& text, int segmentLength, int innerWidth,
                             const PixelScale& scale)
{
    const SegmentMetrics metrics = SegmentMetrics::of(segmentLength, scale);
    const double y = 5 * scale.py;
    const double baseline = y + metrics.lowerHalf + metrics.segmentLength + 2 * metrics.thickness;
    double x = innerWidth - segmentTextWidth(text, metrics, scale);

    QList<QLineF> strokes;
    const StrokeWriter writer(metrics, scale, strokes);
    for (const QChar character : text) {
        if (character == QLatin1Char(',')) {
            writer.comma(x, baseline);
            x += 3 * scale.px;
        } else if (character == QLatin1Char('.')) {
            writer.period(x, baseline);
            x += 3 * scale.px;
        } else if (character == QLatin1Char(':')) {
            writer.colon(x, baseline);
            x += 4 * scale.px;
        } else if (const unsigned segments = segmentsLit(character)) {
            writer.digit(segments, x, y);
            x += metrics.cellWidth;
        }
    }
    return strokes;
}

} // namespace zrt
