#include "tariff.h"

namespace zrt {

Metering meteringOf(std::string_view tipotariffazione)
{
    return tipotariffazione == kPulseMetering ? Metering::Pulse : Metering::Minute;
}

} // namespace zrt
