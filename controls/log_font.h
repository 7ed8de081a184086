#pragma once

#include <QByteArray>
#include <QFont>

class QPainter;
class QPointF;
class QString;

namespace zrt {

inline constexpr int ansiCharSet = 0;
inline constexpr int oemCharSet = 255;
inline constexpr int outPrecisionTrueTypeOnly = 7;
inline constexpr int qualityProof = 2;
inline constexpr int faceNameBytes = 32;

// The fields of a logical font description: height in pixels (negative for
// a character height), escapement and orientation in tenths of a degree,
// and a face name of at most 32 single-byte characters.
struct LogFontRecord {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = ansiCharSet;
    int outPrecision = 0;
    int clipPrecision = 0;
    int quality = 0;
    int pitchAndFamily = 0;
    QByteArray faceName;
};

// The description of font turned by rotation degrees counter-clockwise.
// Turned text needs an outline font, so a turned OEM font falls back to the
// ANSI character set and asks for TrueType only.
LogFontRecord logFontRecord(const QFont& font, int charSet, float rotation, int logicalDpiY);

// The plain description of font used by the gradient logo: no rotation,
// weight 700 or 400, every other field left at zero.
LogFontRecord plainLogFontRecord(const QFont& font, int logicalDpiY);

// A font object built from a description; draws text running at the
// description's escapement.
class RotatedFont
{
public:
    explicit RotatedFont(const LogFontRecord& record);

    const LogFontRecord& record() const { return record_; }
    const QFont& font() const { return font_; }
    double angle() const { return record_.escapement / 10.0; }

    // Draws text whose unturned top-left corner lies at origin.
    void drawText(QPainter& painter, const QPointF& origin, const QString& text) const;

private:
    LogFontRecord record_;
    QFont font_;
};

} // namespace zrt
