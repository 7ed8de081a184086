#include "controls/link_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace zrt {
namespace {

class DesktopLinkOpener final : public LinkOpener
{
public:
    bool open(const QString& address) override
    {
        const QUrl url = QUrl::fromUserInput(address);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
};

} // namespace

LinkOpener& desktopLinkOpener()
{
    static DesktopLinkOpener opener;
    return opener;
}

} // namespace zrt
