#pragma once

#include <QString>
#include <QUrl>

namespace zrt {

// The maker's news page from the "NewsUrl" setting: a host name gets the
// page's usual path ("host" -> http://host/news/tellix.asp), a full http or
// https address is taken as it is. Empty or anything else: no page.
QUrl newsPageUrl(const QString& setting);

// Whether a link of the news may be handed to the desktop: web pages and
// mail addresses only.
bool isOpenableNewsLink(const QUrl& link);

} // namespace zrt
