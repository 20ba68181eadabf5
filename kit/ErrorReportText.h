#pragma once

// The text of the general error report (ErrorReport.h), free of the toolkit.

#include <string>

// A full stop is added unless the text already ends in a character that
// sorts at or before '.' (".", "!", ",", " ").
inline std::string ErrorReportText(const std::string &message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}
