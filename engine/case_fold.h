#pragma once

#include <string_view>

namespace zrt {

// Unicode simple case folding for the Latin (ASCII, Latin-1 Supplement,
// Latin Extended-A), Greek and Cyrillic alphabets; any other code point
// folds to itself.
char32_t foldCase(char32_t codePoint);

// Whether two UTF-8 texts are equal once case-folded. Texts that are not
// valid UTF-8 are compared byte by byte, ignoring ASCII letter case only.
bool equalFoldingCase(std::string_view a, std::string_view b);

} // namespace zrt
