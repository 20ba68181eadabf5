// The frequencies as text, for a build without Qt Charts.

#include "dialogs/forms/FrequencyChart.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

QWidget *MakeFrequencyChart(QWidget *parent)
{
    auto *list = new QPlainTextEdit(parent);
    list->setObjectName(QStringLiteral("FrequencyChartView"));
    list->setAccessibleName(QCoreApplication::translate("Drawvane", "How often each number was drawn"));
    list->setReadOnly(true);
    return list;
}

void ShowFrequencies(QWidget *chart, const TFrequencies &frequencies)
{
    static_cast<QPlainTextEdit *>(chart)->setPlainText(
        FrequenciesText(frequencies).replace(QStringLiteral("; "), QStringLiteral("\n")));
}
