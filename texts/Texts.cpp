#include "texts/Texts.h"

#include <vector>

namespace texts {

namespace {

TTranslation &Translation()
{
    static TTranslation translation;
    return translation;
}

} // namespace

void SetTranslation(TTranslation translation)
{
    Translation() = std::move(translation);
}

std::string Translate(const char *context, const char *english)
{
    return Translation() ? Translation()(context, english) : std::string(english);
}

std::string Arg(const std::string &text, std::initializer_list<std::string> args)
{
    const std::vector<std::string> values(args);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' && static_cast<size_t>(next - '1') < values.size()) {
            out += values[static_cast<size_t>(next - '1')];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace texts
