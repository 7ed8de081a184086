#pragma once

#include <QString>

namespace zrt {

// The local news page of a data folder, news.htm. A folder without one is
// given a copy of the page installed with the program (`shippedPage`),
// so that a new user's strip shows it; a page already there, the user's
// or the maker's, is left as it is.
QString localNewsPage(const QString& dataFolder, const QString& shippedPage);

} // namespace zrt
