#pragma once

#include <QString>

namespace zrt {

// Opens a web or mail address with the desktop's default handler.
class LinkOpener
{
public:
    virtual ~LinkOpener() = default;
    // False when the address could not be handed over.
    virtual bool open(const QString& address) = 0;
};

// The opener that asks the desktop.
LinkOpener& desktopLinkOpener();

} // namespace zrt
