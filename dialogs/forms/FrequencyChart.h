#pragma once

// How often each number was drawn, as a chart: a bar for each number's
// count as a main number and one for its count as the bonus ball, with the
// count a fair draw expects and the band in which it keeps each count 95
// times in 100. A build without Qt Charts shows the same figures as text.
// Either way a screen reader reads the figures as text.

#include "history/Frequency.h"

#include <QString>

class QWidget;

QWidget *MakeFrequencyChart(QWidget *parent);
void ShowFrequencies(QWidget *chart, const TFrequencies &frequencies);

// The figures as text: the fair draw's count, then each number's counts.
QString FrequenciesText(const TFrequencies &frequencies);
