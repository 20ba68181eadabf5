#pragma once

// The history kept between runs of the program, as text: one draw a line,
// ended by \n, in the order held:
//   2025-12-06,3,11,17,25,33,41,45
// the date, the main numbers as they were drawn and the bonus ball; a draw
// without a date has no date field and one without a bonus no bonus field.
// It is the importer's own format, so a kept history reads back exactly
// and a player may paste it in anywhere else.

#include "history/DrawImport.h"

#include <string>
#include <vector>

std::string WriteHistory(const std::vector<THistoryDraw> &draws);

// The kept history of a game of `marks` numbers from 1..`boardsize`; an
// empty text is an empty history. A text with an error gives no draw and
// the importer's errors.
TImportResult ReadHistory(const std::string &text, uint8_t marks, uint8_t boardsize);
