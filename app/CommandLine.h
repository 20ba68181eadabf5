#pragma once

#include <QString>

#include <optional>

// What the command line asks before any window is made. --help and
// --version print their answer on standard output and end the program with
// 0, needing no display and leaving the settings untouched. Where the
// program would choose the platform itself and no display can be opened, one
// line on standard error says so and the program ends with 1, instead of
// the toolkit's abort. Otherwise nothing: the program starts, and every
// other argument is left to Qt or ignored.
//
// The language is the desktop's, or the one --lang names for this run;
// empty for English. A language the program does not carry is English,
// with one line on standard error.
struct TCommandLine {
    std::optional<int> ended;
    QString language;
};
TCommandLine AnswerCommandLine(int argc, char **argv);
