#pragma once

// Every setting read back through the store, in the order of the record.

#include "settings/RegistryUnit.h"

inline TGameSettings ReadAllSettings(TRegOptions &store)
{
    TGameSettings s;
    s.boards = store.GetBoards();
    s.boardsize = store.GetBoardSize();
    s.marks = store.GetMarks();
    store.GetDivisions(s.divisions);
    store.GetPayments(s.payments);
    store.GetInclusions(s.inclusions);
    store.GetExclusions(s.exclusions);
    s.playExclude = store.GetPlayExclude();
    s.playInclude = store.GetPlayInclude();
    s.playSums = store.GetPlaySums();
    s.playstdev = store.GetPlayStdev();
    return s;
}
