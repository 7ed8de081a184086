#include "local_news.h"

#include "ui/common/window_log.h"

#include "database/data_folder.h"

#include <QFile>
#include <QFileInfo>

namespace zrt {

QString localNewsPage(const QString& dataFolder, const QString& shippedPage)
{
    const QString page = joinPath(dataFolder, QStringLiteral("news.htm"));
    const QFileInfo info(page);
    if (info.exists() || info.isSymLink() || shippedPage.isEmpty())
        return page;
    if (QFile::copy(shippedPage, page))
        QFile::setPermissions(page, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    else
        qCWarning(uiLog) << "the news page" << shippedPage << "could not be copied to" << page;
    return page;
}

} // namespace zrt
