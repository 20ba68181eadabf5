#pragma once

// The hints of the controls (SetHint in WindowLayout.h, the main window's
// toolbar), free of the toolkit.

#include <string>

// A hint "short|long" split at its first bar; without a bar both parts are
// the whole text.
struct THint {
    std::string shortPart;
    std::string longPart;
};

inline THint SplitHint(const std::string &hint)
{
    const auto bar = hint.find('|');
    if (bar == std::string::npos)
        return {hint, hint};
    return {hint.substr(0, bar), hint.substr(bar + 1)};
}
