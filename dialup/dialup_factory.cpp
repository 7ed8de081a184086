#include "dialup_factory.h"

#include "combined_dialup.h"
#include "network_manager_dialup.h"
#include "no_dialup.h"
#include "ppp_dialup.h"
#include "sim_dialup.h"

#include <QDBusConnection>

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

std::unique_ptr<DialUpService> makePppDialUp()
{
    return std::make_unique<PppDialUp>(PppRoots::fromEnvironment(), std::make_unique<PidfdSignaller>());
}

std::unique_ptr<DialUpService> makeNetworkManagerDialUp()
{
    return std::make_unique<NetworkManagerDialUp>(QDBusConnection::systemBus(), PppRoots::fromEnvironment().sys);
}

std::unique_ptr<DialUpService> makeAutomaticDialUp()
{
    std::vector<std::unique_ptr<DialUpService>> parts;
    parts.push_back(makeNetworkManagerDialUp());
    parts.push_back(makePppDialUp());
    return std::make_unique<CombinedDialUp>(std::move(parts));
}

} // namespace

DialUpServiceChoice makeDialUpService(std::string_view kind)
{
    if (kind == "auto")
        return chosen(makeAutomaticDialUp());
    if (kind == "nm")
        return chosen(makeNetworkManagerDialUp());
    if (kind == "ppp")
        return chosen(makePppDialUp());
    if (kind == "none")
        return chosen(std::make_unique<NoDialUp>());
    if (kind.starts_with(kSimPrefix) && kind.size() > kSimPrefix.size())
        return chosen(std::make_unique<SimDialUp>(kind.substr(kSimPrefix.size())));
    if (kind == "sim" || kind == kSimPrefix)
        return refused("the dial-up kind \"sim\" needs a folder: sim:FOLDER");
    return refused("unknown dial-up kind \"" + std::string(kind)
                   + "\": use ppp, sim:FOLDER or none, or auto (the default) or nm");
}

} // namespace zrt
