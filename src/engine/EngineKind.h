// Which engine answers the computer's moves and hints, and its value in the settings file
// ("engit"). Read by the search thread; the settings code turns the stored text into a kind and
// back.
#pragma once

#include <string_view>

enum class EngineKind {
    Normal, // the fixed-depth search
    Advanced, // the same search with the mobility term in its disc count
    Master, // the time-controlled engine of corvana_master
};

// "norm", "advn", "mast"; anything else reads as Normal, as an unknown value always has.
constexpr EngineKind EngineKindFromSetting(std::string_view value)
{
    if (value == "advn")
        return EngineKind::Advanced;
    if (value == "mast")
        return EngineKind::Master;
    return EngineKind::Normal;
}

constexpr std::string_view EngineSettingValue(EngineKind kind)
{
    switch (kind) {
    case EngineKind::Advanced:
        return "advn";
    case EngineKind::Master:
        return "mast";
    case EngineKind::Normal:
        break;
    }
    return "norm";
}
