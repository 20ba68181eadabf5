#pragma once

// The program's controls as the tests reach them: by objectName, as a
// person names what they see.

#include "coupon/mainwindow/CouponImage.h"
#include "coupon/mainwindow/Tombolix.h"
#include "dialogs/forms/AboutUnit.h"
#include "dialogs/forms/DrawUnit.h"
#include "dialogs/forms/HelpUnit.h"
#include "dialogs/forms/LuckUnit.h"
#include "dialogs/forms/PreferencesUnit.h"
#include "dialogs/forms/SystemsUnit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTextEdit>
#include <QWidget>

#include <initializer_list>
#include <ostream>
#include <span>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

template <typename W = QWidget>
W *Control(QWidget *window, const char *name)
{
    auto *widget = window ? window->findChild<W *>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Readable QStrings in failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// One of a numbered row of controls: the name's %1 stands for n.
template <typename W>
W *Numbered(QWidget *window, const char *name, int n)
{
    return Control<W>(window, QString::fromLatin1(name).arg(n).toLatin1().constData());
}

// The caption a label or button of the window shows.
struct Caption {
    const char *name;
    const char *text;
};

template <typename W>
void ExpectCaptions(QWidget *window, std::initializer_list<Caption> captions)
{
    for (const Caption &c : captions) {
        if (W *widget = Control<W>(window, c.name)) {
            EXPECT_EQ(widget->text(), QString::fromUtf8(c.text)) << c.name;
        }
    }
}

// The controls by their kind, as the tests reach them most.
inline QPushButton *Button(QWidget *window, const char *name)
{
    return Control<QPushButton>(window, name);
}
inline QCheckBox *CheckBox(QWidget *window, const char *name)
{
    return Control<QCheckBox>(window, name);
}
inline QComboBox *ComboBox(QWidget *window, const char *name)
{
    return Control<QComboBox>(window, name);
}
inline QTextEdit *TextBox(QWidget *window, const char *name)
{
    return Control<QTextEdit>(window, name);
}

// One of the main window's commands.
inline QAction *Command(const char *name)
{
    return Control<QAction>(TombolixForm, name);
}

// Where each named control stands in its parent.
struct TPlaceOf {
    const char *name;
    QRect geometry;
};

inline void ExpectPlaces(QWidget *window, std::span<const TPlaceOf> controls)
{
    for (const TPlaceOf &c : controls) {
        if (QWidget *widget = Control(window, c.name)) {
            EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
        }
    }
}

// The dialogs that the main window's commands open, each with its command,
// in the order of the toolbar.
inline std::vector<std::pair<QAction *, QWidget *>> CommandedDialogs()
{
    return {{Command("ShowOptionsAction"), PreferencesForm},
            {Command("SystemsAction"), SystemsForm},
            {Command("HelpAction"), HelpForm},
            {Command("AboutAction"), AboutForm},
            {Command("LuckAction"), LuckForm},
            {Command("DrawAction"), DrawForm}};
}

// The main window's coupon picture.
inline TCouponImage *CouponPicture()
{
    return Control<TCouponImage>(TombolixForm, "CouponImage");
}

// The text of a label of the main window.
inline QString LabelText(const char *name)
{
    QLabel *label = Control<QLabel>(TombolixForm, name);
    return label ? label->text() : QStringLiteral("<no label>");
}
