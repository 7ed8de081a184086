#include "case_fold.h"

#include <algorithm>
#include <optional>

namespace zrt {
namespace {

bool inRange(char32_t c, char32_t first, char32_t last)
{
    return c >= first && c <= last;
}

// In many blocks capitals and small letters alternate: the capital on the
// even code point (or on the odd one) and its small letter right after.
char32_t foldPairedAfterEven(char32_t c)
{
    return c % 2 == 0 ? c + 1 : c;
}

char32_t foldPairedAfterOdd(char32_t c)
{
    return c % 2 == 1 ? c + 1 : c;
}

char32_t foldLatin1(char32_t c)
{
    if (c == 0xB5) // micro sign
        return 0x3BC;
    return inRange(c, 0xC0, 0xDE) && c != 0xD7 ? c + 0x20 : c;
}

char32_t foldLatinExtendedA(char32_t c)
{
    switch (c) {
    case 0x130: // dotted capital I: no simple folding
    case 0x131:
        return c;
    case 0x178:
        return 0xFF;
    case 0x17F: // long s
        return U's';
    }
    if (inRange(c, 0x100, 0x137) || inRange(c, 0x14A, 0x177))
        return foldPairedAfterEven(c);
    if (inRange(c, 0x139, 0x148) || inRange(c, 0x179, 0x17E))
        return foldPairedAfterOdd(c);
    return c;
}

char32_t foldGreek(char32_t c)
{
    switch (c) {
    case 0x37F: return 0x3F3;
    case 0x386: return 0x3AC;
    case 0x388: return 0x3AD;
    case 0x389: return 0x3AE;
    case 0x38A: return 0x3AF;
    case 0x38C: return 0x3CC;
    case 0x38E: return 0x3CD;
    case 0x38F: return 0x3CE;
    case 0x3C2: return 0x3C3; // final sigma
    case 0x3CF: return 0x3D7;
    case 0x3D0: return 0x3B2;
    case 0x3D1: return 0x3B8;
    case 0x3D5: return 0x3C6;
    case 0x3D6: return 0x3C0;
    case 0x3F0: return 0x3BA;
    case 0x3F1: return 0x3C1;
    case 0x3F4: return 0x3B8;
    case 0x3F5: return 0x3B5;
    case 0x3F7: return 0x3F8;
    case 0x3F9: return 0x3F2;
    case 0x3FA: return 0x3FB;
    }
    if (inRange(c, 0x391, 0x3AB) && c != 0x3A2)
        return c + 0x20;
    if (inRange(c, 0x3FD, 0x3FF))
        return c - 0x82;
    if (inRange(c, 0x370, 0x373) || c == 0x376 || inRange(c, 0x3D8, 0x3EF))
        return foldPairedAfterEven(c);
    return c;
}

char32_t foldCyrillic(char32_t c)
{
    if (inRange(c, 0x400, 0x40F))
        return c + 0x50;
    if (inRange(c, 0x410, 0x42F))
        return c + 0x20;
    if (c == 0x4C0)
        return 0x4CF;
    if (inRange(c, 0x4C1, 0x4CE))
        return foldPairedAfterOdd(c);
    if (inRange(c, 0x460, 0x481) || inRange(c, 0x48A, 0x4BF) || inRange(c, 0x4D0, 0x52F))
        return foldPairedAfterEven(c);
    return c;
}

struct Sequence {
    std::size_t length;
    char32_t leadBits;
    char32_t smallest; // anything below has a shorter form
};

std::optional<Sequence> sequenceLedBy(unsigned char lead)
{
    if (lead < 0x80)
        return Sequence{1, lead, 0};
    if ((lead & 0xE0) == 0xC0)
        return Sequence{2, lead & 0x1Fu, 0x80};
    if ((lead & 0xF0) == 0xE0)
        return Sequence{3, lead & 0x0Fu, 0x800};
    if ((lead & 0xF8) == 0xF0)
        return Sequence{4, lead & 0x07u, 0x10000};
    return std::nullopt;
}

// Decodes the code point at `pos` and moves past it; nothing when the bytes
// there are not well-formed UTF-8 (overlong forms and surrogates included).
std::optional<char32_t> decodeNext(std::string_view text, std::size_t& pos)
{
    const auto sequence = sequenceLedBy(static_cast<unsigned char>(text[pos]));
    if (!sequence || text.size() - pos < sequence->length)
        return std::nullopt;
    char32_t codePoint = sequence->leadBits;
    for (std::size_t i = 1; i < sequence->length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (codePoint < sequence->smallest || codePoint > 0x10FFFF || inRange(codePoint, 0xD800, 0xDFFF))
        return std::nullopt;
    pos += sequence->length;
    return codePoint;
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

} // namespace

char32_t foldCase(char32_t c)
{
    if (c < 0x80)
        return static_cast<char32_t>(asciiLower(static_cast<char>(c)));
    if (c < 0x100)
        return foldLatin1(c);
    if (c < 0x180)
        return foldLatinExtendedA(c);
    if (inRange(c, 0x370, 0x3FF))
        return foldGreek(c);
    if (inRange(c, 0x400, 0x52F))
        return foldCyrillic(c);
    return c;
}

bool equalFoldingCase(std::string_view a, std::string_view b)
{
    std::size_t posA = 0;
    std::size_t posB = 0;
    while (posA < a.size() && posB < b.size()) {
        const auto codeA = decodeNext(a, posA);
        const auto codeB = decodeNext(b, posB);
        if (!codeA || !codeB)
            return equalIgnoringAsciiCase(a, b);
        if (foldCase(*codeA) != foldCase(*codeB))
            return false;
    }
    return posA == a.size() && posB == b.size();
}

} // namespace zrt
