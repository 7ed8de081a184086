#include "controls/log_font.h"

#include "controls/twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace zrt {
namespace {

double pointSize(const QFont& font, int logicalDpiY)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return font.pixelSize() * 72.0 / logicalDpiY;
}

QByteArray faceNameBytesOf(const QFont& font) { return font.family().toLatin1(); }

void copyStyle(const QFont& font, LogFontRecord& record)
{
    record.italic = font.italic();
    record.underline = font.underline();
    record.strikeOut = font.strikeOut();
}

QString familyOf(const QByteArray& faceName)
{
    const qsizetype end = faceName.indexOf('\0');
    return QString::fromLatin1(end < 0 ? faceName : faceName.left(end));
}

} // namespace

LogFontRecord logFontRecord(const QFont& font, int charSet, float rotation, int logicalDpiY)
{
    const bool turned = roundHalfEven(rotation) % 360 != 0;
    LogFontRecord record;
    record.height = -roundHalfEven(pointSize(font, logicalDpiY) * logicalDpiY / 72.0);
    record.escapement = roundHalfEven(rotation * 10.0);
    record.orientation = record.escapement;
    record.weight = font.weight();
    copyStyle(font, record);
    record.charSet = (charSet > 254 && turned) ? ansiCharSet : charSet;
    record.outPrecision = turned ? outPrecisionTrueTypeOnly : 0;
    record.quality = qualityProof;
    record.faceName = (faceNameBytesOf(font) + '\0').left(faceNameBytes);
    return record;
}

LogFontRecord plainLogFontRecord(const QFont& font, int logicalDpiY)
{
    const double wholePoints = roundHalfEven(pointSize(font, logicalDpiY));
    LogFontRecord record;
    record.height = -int(std::lround(wholePoints * logicalDpiY / 72.0));
    record.weight = font.bold() ? 700 : 400;
    copyStyle(font, record);
    record.faceName = faceNameBytesOf(font).left(faceNameBytes);
    return record;
}

RotatedFont::RotatedFont(const LogFontRecord& record)
    : record_(record), font_(familyOf(record.faceName))
{
    font_.setPixelSize(std::max(1, std::abs(record.height)));
    if (record.weight > 0)
        font_.setWeight(QFont::Weight(std::clamp(record.weight, 1, 1000)));
    font_.setItalic(record.italic);
    font_.setUnderline(record.underline);
    font_.setStrikeOut(record.strikeOut);
    if (record.quality == qualityProof)
        font_.setStyleStrategy(QFont::NoAntialias);
}

void RotatedFont::drawText(QPainter& painter, const QPointF& origin, const QString& text) const
{
    painter.save();
    painter.translate(origin);
    painter.rotate(-angle());
    painter.setFont(font_);
    painter.drawText(QPointF(0, QFontMetricsF(font_).ascent()), text);
    painter.restore();
}

} // namespace zrt
