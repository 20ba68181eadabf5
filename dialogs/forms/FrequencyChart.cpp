#include "dialogs/forms/FrequencyChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

QWidget *MakeFrequencyChart(QWidget *parent)
{
    auto *view = new QChartView(parent);
    view->setObjectName(QStringLiteral("FrequencyChartView"));
    view->setAccessibleName(QCoreApplication::translate("Drawvane", "How often each number was drawn"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::StrongFocus);
    return view;
}

void ShowFrequencies(QWidget *chartView, const TFrequencies &frequencies)
{
    auto *view = static_cast<QChartView *>(chartView);
    const int boardsize = frequencies.boardsize;
    auto *chart = new QChart;
    // The window's own font, never the desktop's.
    QFont small = view->font();
    small.setPixelSize(12);
    chart->setFont(small);
    chart->legend()->setFont(small);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto *main = new QBarSet(QCoreApplication::translate("Drawvane", "Main numbers"));
    auto *bonus = new QBarSet(QCoreApplication::translate("Drawvane", "Bonus ball"));
    QStringList categories;
    for (int n = 1; n <= boardsize; ++n) {
        main->append(static_cast<qreal>(frequencies.mainCounts[n - 1]));
        bonus->append(static_cast<qreal>(frequencies.bonusCounts[n - 1]));
        categories.append(QString::number(n));
    }
    auto *bars = new QBarSeries;
    bars->append(main);
    bars->append(bonus);
    chart->addSeries(bars);
    // A fair draw's count, and the band in which it keeps each count 95
    // times in 100, across the whole chart.
    const auto across = [&](const QString &name, qreal value, Qt::PenStyle style) {
        auto *line = new QLineSeries;
        line->setName(name);
        line->append(-0.5, value);
        line->append(boardsize - 0.5, value);
        QPen pen(QColor(0x40, 0x40, 0x40));
        pen.setStyle(style);
        pen.setWidth(2);
        line->setPen(pen);
        chart->addSeries(line);
        return line;
    };
    QList<QAbstractSeries *> lines;
    if (frequencies.draws > 0) {
        lines.append(across(QCoreApplication::translate("Drawvane", "Fair draw"), frequencies.expected, Qt::SolidLine));
        lines.append(across(QCoreApplication::translate("Drawvane", "95 % band"),
                            static_cast<qreal>(frequencies.band.low), Qt::DashLine));
        lines.append(across(QString(), static_cast<qreal>(frequencies.band.high), Qt::DashLine));
    }
    // The bars stand on their numbers' categories; the axis shown names
    // 1 and every fifth number, which fit side by side.
    auto *x = new QBarCategoryAxis;
    x->append(categories);
    x->setVisible(false);
    auto *numbers = new QCategoryAxis;
    numbers->setRange(-0.5, boardsize - 0.5);
    numbers->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    numbers->setGridLineVisible(false);
    numbers->setLabelsFont(small);
    for (int n = 1; n <= boardsize; n += n == 1 ? 4 : 5)
        numbers->append(QString::number(n), n - 1);
    auto *y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%d"));
    y->setLabelsFont(small);
    const uint64_t top = std::max<uint64_t>(
        {frequencies.band.high, *std::max_element(frequencies.mainCounts.begin(), frequencies.mainCounts.end()), 1});
    y->setRange(0, std::max(static_cast<qreal>(top) * 1.1, 5.0));
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(numbers, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(x);
    bars->attachAxis(y);
    // The lines run across the bars' categories, 0 to boardsize - 1.
    for (QAbstractSeries *line : lines) {
        line->attachAxis(y);
        line->attachAxis(numbers);
    }
    // The legend names only the series that have a name.
    for (QLegendMarker *marker : chart->legend()->markers())
        marker->setVisible(!marker->label().isEmpty());
    QChart *old = view->chart();
    view->setChart(chart);
    delete old;
    // The chart's figures as text, for a screen reader.
    view->setAccessibleDescription(FrequenciesText(frequencies));
}
