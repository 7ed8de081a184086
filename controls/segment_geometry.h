#pragma once

#include "controls/twips.h"

#include <QLineF>
#include <QList>
#include <QString>

namespace zrt {

// The seven segments of a character cell, one bit each.
enum SegmentBit : unsigned {
    SegmentA = 1u << 0, // top
    SegmentB = 1u << 1, // upper right
    SegmentC = 1u << 2, // lower right
    SegmentD = 1u << 3, // bottom
    SegmentE = 1u << 4, // lower left
    SegmentF = 1u << 5, // upper left
    SegmentG = 1u << 6, // middle
};

// The segments lit for a digit, or the middle one alone for "-"; none for
// any other character.
unsigned segmentsLit(QChar character);

// Sizes of the display in twips derived from the segment length H.
struct SegmentMetrics {
    int segmentLength = 0; // H
    int thickness = 0;     // S
    int gapFactor = 0;     // t
    int cellWidth = 0;     // cw
    int rightColumn = 0;   // distance of the right segments from the cell start
    // Distance of the lower vertical segments from the top: a pixel below
    // the middle segment, so the two halves match at any segment length
    // (at the usual length of 75 twips this is 2H - S).
    int lowerHalf = 0;

    static SegmentMetrics of(int segmentLength, const PixelScale& scale);
};

// Width in twips that text takes on the display; each mark of punctuation
// that occurs corrects the width once, however often it occurs.
int segmentTextWidth(const QString& text, const SegmentMetrics& metrics, const PixelScale& scale);

// The one-pixel lines, in twips, that draw text right-aligned against
// innerWidth with the top of the digits five pixels below the top edge.
// Each line runs from p1 up to, not including, p2.
QList<QLineF> segmentStrokes(const QString& text, int segmentLength, int innerWidth,
                             const PixelScale& scale);

} // namespace zrt
