#pragma once

// The past draws kept between runs: a text file of one draw a line, in the
// importer's own format, in the program's data folder (not the settings: a
// history of thousands of draws does not belong in the registry). Each game
// keeps its own file, so that a change of game in Preferences neither mixes
// two lotteries' draws nor loses one's.

#include "history/DrawImport.h"

#include <QString>

#include <vector>

class THistoryStore {
public:
    THistoryStore(int marks, int boardsize);

    QString Path() const { return FPath; }

    // The kept draws; none when there is no file yet. A file that cannot be
    // read as draws of this game is moved aside (".unreadable" added to its
    // name, never overwritten), and notice says so for the player.
    std::vector<THistoryDraw> Load(QString &notice) const;

    // The whole history written, or nothing: the file is replaced only once
    // the new one is complete. A failure throws std::runtime_error with
    // the reason.
    void Save(const std::vector<THistoryDraw> &draws) const;

private:
    int FMarks;
    int FBoardsize;
    QString FPath;
};
