#pragma once

#include <QString>

#include <stdexcept>

// A failure of the printing system, with a sentence for the player.
class TPrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Prints plain text on the default printer as one job with the given title:
// "Courier New" 12 pt, laid out over the whole page from its top-left
// corner, paginated by the toolkit. Returns once the job has been handed
// to the printing system; throws TPrintError when there is no default
// printer or the printing system does not take the job.
void PrintOnDefaultPrinter(const QString &text, const QString &title);
