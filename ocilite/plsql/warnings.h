// Compile warnings as the PLSQL_WARNINGS parameter sets them: each category (SEVERE
// 5000-5999, INFORMATIONAL 6000-6249, PERFORMANCE 7000-7249) and each warning number is
// disabled (the default: no row), enabled (a row with ATTRIBUTE 'WARNING') or an error.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace ocilite::plsql {

enum class WarningState : uint8_t { Disable, Enable, Error };

class WarningSettings {
public:
    // A PLSQL_WARNINGS value applied to the default DISABLE:ALL, e.g. 'ENABLE:ALL',
    // 'ENABLE:SEVERE, DISABLE:06002', 'ERROR:(05004, 07202)'; nothing when it is not one.
    static std::optional<WarningSettings> parse(std::string_view value);
    WarningState state(int number) const;
    bool anyEnabled() const;

private:
    bool apply(WarningState state, std::string_view modifier);

    WarningState m_category[3] = {WarningState::Disable, WarningState::Disable,
                                  WarningState::Disable};
    std::vector<std::pair<int, WarningState>> m_numbers; // later ones win
};

} // namespace ocilite::plsql
