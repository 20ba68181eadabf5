#pragma once

// The texts of the general error report and of the hints, free of the
// toolkit: the error report (ErrorReport.h) and the hinted controls
// (WindowLayout.h) use them.

#include <string>

// Text of the general error report: a full stop is added unless the text
// already ends in a character that sorts at or before '.' (".", "!", ",", " ").
std::string ErrorReportText(const std::string &message);

// A hint "short|long" split at its first bar; without a bar both parts are
// the whole text.
struct THint {
    std::string shortPart;
    std::string longPart;
};
THint SplitHint(const std::string &hint);
