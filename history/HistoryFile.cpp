#include "history/HistoryFile.h"

std::string WriteHistory(const std::vector<THistoryDraw> &draws)
{
    std::string text;
    for (const THistoryDraw &draw : draws) {
        std::string line = draw.date ? IsoDate(*draw.date) : std::string();
        for (const uint8_t number : draw.numbers) {
            if (!line.empty())
                line += ',';
            line += std::to_string(number);
        }
        if (draw.bonus != 0)
            line += ',' + std::to_string(draw.bonus);
        text += line + '\n';
    }
    return text;
}

TImportResult ReadHistory(const std::string &text, uint8_t marks, uint8_t boardsize)
{
    return ReadDrawLines(text, marks, boardsize);
}
