#include "dialogs/forms/FrequencyChart.h"

#include <QCoreApplication>
#include <QStringList>

QString FrequenciesText(const TFrequencies &frequencies)
{
    QStringList numbers;
    for (int n = 1; n <= frequencies.boardsize; ++n)
        numbers.append(QCoreApplication::translate("Drawvane", "%1: %2 and %3 as bonus ball")
                           .arg(n)
                           .arg(frequencies.mainCounts[n - 1])
                           .arg(frequencies.bonusCounts[n - 1]));
    return QCoreApplication::translate(
               "Drawvane", "Expected for each number in a fair draw: %1, between %2 and %3 in 95 draws of 100. ")
               .arg(frequencies.expected, 0, 'f', 2)
               .arg(frequencies.band.low)
               .arg(frequencies.band.high)
        + numbers.join(QStringLiteral("; "));
}
