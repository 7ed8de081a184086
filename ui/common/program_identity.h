#pragma once

#include <QString>
#include <QVersionNumber>

namespace zrt {

// The maker's web page and mail address, shown as links by the intro and
// the information page.
inline const QString kMakerWebSite = QStringLiteral("www.zrtellix.it");
inline const QString kMakerMail = QStringLiteral("info@zrtellix.it");

// "Ver. 1." followed by the revision, the third number of the version.
QString versionCaption(const QVersionNumber& version);
// The caption of this program's own version.
QString versionCaption();

} // namespace zrt
