#pragma once

// How well a text reads against its background in a picture, as the WCAG
// contrast ratio: 1 (none) to 21 (black on white). 4.5 is the least asked
// for normal text, 2 what a disabled control keeps here.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRect>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace contrast {

// Relative luminance of an sRGB colour.
inline double Luminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) + 0.0722 * channel(qBlue(colour));
}

inline double Ratio(QRgb a, QRgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text in an area of the picture against the area's background: the
// most common colour is the background, the pixel that stands out most from
// it the text's ink (anti-aliased edges stand out less). 0 for an empty area.
inline double OfTextIn(const QImage &picture, const QRect &area)
{
    const QRect inside = area & picture.rect();
    if (inside.isEmpty())
        return 0;
    QHash<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xFF000000];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, Ratio(it.key(), background));
    return best;
}

// Where a control shows its text, in its own coordinates; empty for a
// control without text.
inline QRect TextArea(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text().isEmpty() ? QRect() : label->rect();
    if (auto *check = qobject_cast<QCheckBox *>(w)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        return check->text().isEmpty() ? QRect()
                                       : check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
    }
    if (auto *radio = qobject_cast<QRadioButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        return radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    }
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text().isEmpty() ? QRect() : button->rect();
    if (auto *list = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        return list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    }
    if (auto *field = qobject_cast<QLineEdit *>(w)) // an empty number field shows a blank
        return field->text().trimmed().isEmpty() ? QRect() : field->rect().adjusted(2, 2, -2, -2);
    if (auto *text = qobject_cast<QTextEdit *>(w))
        return text->viewport()->geometry();
    if (auto *group = qobject_cast<QGroupBox *>(w))
        return group->title().isEmpty() ? QRect() : QRect(0, 0, group->width(), group->fontMetrics().height() + 2);
    return {};
}

// Every visible text of a shown window against its background, in the
// picture that grab(window) takes of it: 4.5:1 at least, 2:1 for a
// disabled control. The buttons' pictures are not text: the captions are
// measured in a picture taken without them.
template <typename Grab>
void ExpectReadableTexts(QWidget *window, Grab &&grab)
{
    std::vector<std::pair<QAbstractButton *, QIcon>> icons;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (!button->icon().isNull()) {
            icons.emplace_back(button, button->icon());
            button->setIcon(QIcon());
        }
    const QImage picture = grab(window);
    for (auto &[button, icon] : icons)
        button->setIcon(icon);

    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QRect area = TextArea(w);
        if (area.isEmpty() || !w->isVisibleTo(window))
            continue;
        const QRect inWindow(w->mapTo(window, area.topLeft()), area.size());
        EXPECT_GE(OfTextIn(picture, inWindow), w->isEnabled() ? 4.5 : 2.0)
            << window->objectName().toStdString() << "/" << w->objectName().toStdString() << " ("
            << w->metaObject()->className() << ")";
    }
}

} // namespace contrast
