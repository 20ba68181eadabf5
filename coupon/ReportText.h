#pragma once

// The texts of the general error report and of the hints, free of the
// toolkit: the error report (ErrorReport.h) and the hinted controls
// (WindowLayout.h) use them.

#include <string>

// Text of the general error report: a full stop is added unless the text
// already ends in a character that sorts at or before '.' (".", "!", ",", " ").
inline std::string ErrorReportText(const std::string &message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

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
