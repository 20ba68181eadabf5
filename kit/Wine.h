#pragma once

// Whether the Windows program runs under Wine, whose failings the program
// steps around in a few places; false everywhere else.
bool RunsUnderWine();
