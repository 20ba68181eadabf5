#include "coupon/ReportText.h"

std::string ErrorReportText(const std::string &message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

THint SplitHint(const std::string &hint)
{
    const auto bar = hint.find('|');
    if (bar == std::string::npos)
        return {hint, hint};
    return {hint.substr(0, bar), hint.substr(bar + 1)};
}
