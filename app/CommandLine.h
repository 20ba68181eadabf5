#pragma once

#include <optional>

// What the command line asks before any window is made. --help and
// --version print their answer on standard output and end the program with
// 0, needing no display and leaving the settings untouched. Where the
// program would choose the platform itself and no display can be opened, one
// line on standard error says so and the program ends with 1, instead of
// the toolkit's abort. Otherwise nothing: the program starts, and every
// other argument is left to Qt or ignored.
std::optional<int> AnswerCommandLine(int argc, char **argv);
