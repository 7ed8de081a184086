#include "ppp_dialup.h"

#include "dialup_log.h"

#include <algorithm>
#include <utility>

namespace zrt {

PppDialUp::PppDialUp(PppRoots roots, std::unique_ptr<ProcessSignaller> signaller)
    : roots_(std::move(roots))
    , signaller_(std::move(signaller))
{
}

bool PppDialUp::isDialUpActive() const
{
    return !readUpPppInterfaces(roots_.sys).empty();
}

std::vector<std::string> PppDialUp::entries() const
{
    return readPeerEntries(roots_.peers);
}

bool PppDialUp::isEntryConnected(std::string_view name) const
{
    return std::ranges::any_of(readUpPppdLinks(roots_), [name](const PppdLink& link) {
        return std::ranges::find(link.entryNames, name) != link.entryNames.end();
    });
}

void PppDialUp::hangUpAll()
{
    for (const auto& link : readUpPppdLinks(roots_)) {
        if (const auto error = signaller_->terminate(link.pid))
            logDialUpProblem("cannot hang up " + link.interfaceName + " (pppd "
                             + std::to_string(link.pid) + "): " + error.message());
    }
}

} // namespace zrt
