#pragma once

// The texts that the toolkit-free libraries make for the player. Each is
// written in English with its placeholders (%1, %2), as the windows' own
// texts are, through DRAWVANE_TR, which Qt's lupdate reads as
// QT_TRANSLATE_NOOP; the program gives the translation its windows use.
// Without one, the English.

#include <functional>
#include <initializer_list>
#include <string>

namespace texts {

using TTranslation = std::function<std::string(const char *context, const char *english)>;

// The translation of every text from now on; an empty one for English.
void SetTranslation(TTranslation translation);

std::string Translate(const char *context, const char *english);

// The text with %1, %2, ... replaced by the arguments in their order, in
// one pass: an argument's own "%1" stays as it is.
std::string Arg(const std::string &text, std::initializer_list<std::string> args);

} // namespace texts

#define DRAWVANE_TR(context, english) ::texts::Translate(context, english)
