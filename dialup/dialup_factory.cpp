#include "dialup_factory.h"

#include "no_dialup.h"
#include "ppp_dialup.h"
#include "sim_dialup.h"

namespace zrt {

namespace {

constexpr std::string_view kSimPrefix = "sim:";

DialUpServiceChoice chosen(std::unique_ptr<DialUpService> service)
{
    return {std::move(service), {}};
}

DialUpServiceChoice refused(std::string error)
{
    return {nullptr, std::move(error)};
}

} // namespace

DialUpServiceChoice makeDialUpService(std::string_view kind)
{
    if (kind == "ppp")
        return chosen(std::make_unique<PppDialUp>(PppRoots::fromEnvironment(),
                                                  std::make_unique<KillSignaller>()));
    if (kind == "none")
        return chosen(std::make_unique<NoDialUp>());
    if (kind.starts_with(kSimPrefix) && kind.size() > kSimPrefix.size())
        return chosen(std::make_unique<SimDialUp>(kind.substr(kSimPrefix.size())));
    if (kind == "sim" || kind == kSimPrefix)
        return refused("the dial-up kind \"sim\" needs a folder: sim:FOLDER");
    return refused("unknown dial-up kind \"" + std::string(kind)
                   + "\": use ppp, sim:FOLDER or none");
}

} // namespace zrt
