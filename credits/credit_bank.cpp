#include "credits/credit_bank.h"

#include <cmath>
#include <string>

#include "platform/settings_keys.h"
#include "table/game_state.h"
#include "table/value_text.h"

namespace tandora {

std::optional<std::int64_t> CreditBank::read() const {
    const auto number = parseNumber(settings_.getSetting(AppTitle, Settings::Bank, Settings::Credits, "0"));
    if (!number || *number < 0 || *number != std::floor(*number) || *number > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int64_t>(*number);
}

bool CreditBank::write(std::int64_t credits) {
    return settings_.saveSetting(AppTitle, Settings::Bank, Settings::Credits, std::to_string(credits));
}

} // namespace tandora
