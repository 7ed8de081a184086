#pragma once

#include "dialup_service.h"
#include "ppp_system.h"
#include "process_signaller.h"

#include <memory>

namespace zrt {

// Dial-up through pppd: the phonebook entries are its peer files, a
// connection is a running pppd that owns a ppp interface that is up.
class PppDialUp final : public DialUpService {
public:
    PppDialUp(PppRoots roots, std::unique_ptr<ProcessSignaller> signaller);

    bool isDialUpActive() const override;
    std::vector<std::string> entries() const override;
    bool isEntryConnected(std::string_view name) const override;
    // Ends every such pppd as `poff` does; pppd then hangs up the line.
    void hangUpAll() override;

private:
    PppRoots roots_;
    std::unique_ptr<ProcessSignaller> signaller_;
};

} // namespace zrt
