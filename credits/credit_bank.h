#pragma once

#include <cstdint>
#include <optional>

#include "platform/settings_store.h"

namespace tandora {

// The credit bank: it lives only in the settings store, read afresh for every operation and written at
// once, so that two copies of the game or a crash can never lose what it holds.
class CreditBank {
public:
    explicit CreditBank(SettingsStore& settings) : settings_(settings) {}

    // What the bank holds; nothing when the stored text is not a whole number of credits.
    std::optional<std::int64_t> read() const;
    // False when the store refused the new balance; the bank then holds what it held before.
    [[nodiscard]] bool write(std::int64_t credits);

private:
    SettingsStore& settings_;
};

} // namespace tandora
