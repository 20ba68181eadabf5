#pragma once

// The started program with the Preferences and Systems windows at hand, and
// the moves a person makes on them.

#include "UiFixture.h"
#include "dialogs/MaskedNumberEdit.h"
#include "dialogs/MessageUnit.h"
#include "dialogs/PreferencesUnit.h"
#include "dialogs/SystemsUnit.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <vector>

inline void Click(QWidget *widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QCoreApplication::processEvents();
}

// Opens the list's drop-down, moves to the item of number and presses
// Enter. (A click right after opening is taken as the end of the opening
// press, so the keyboard stands in for it.)
inline void Pick(QComboBox *list, int number)
{
    ASSERT_NE(list, nullptr);
    list->showPopup();
    QCoreApplication::processEvents();
    QAbstractItemView *view = list->view();
    ASSERT_TRUE(view->isVisible());
    view->setCurrentIndex(view->model()->index(number, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_FALSE(view->isVisible());
}

class DialogTest : public UiTest {
protected:
    TPreferencesForm *OpenPreferences()
    {
        Form()->ShowOptionsAction->trigger();
        QCoreApplication::processEvents();
        return PreferencesForm;
    }

    TSystemsForm *OpenSystems()
    {
        Form()->SystemsAction->trigger();
        QCoreApplication::processEvents();
        return SystemsForm;
    }

    static TGameSettings Stored()
    {
        TRegOptions store;
        return ReadAllSettings(store);
    }

    template <typename T, std::size_t N>
    static std::vector<int64_t> List(const std::array<T, N> &values)
    {
        return std::vector<int64_t>(values.begin(), values.end());
    }

    // Marks numbers 1..count on board 1.
    void FillBoard(int board, int count)
    {
        for (int n = 1; n <= count; ++n)
            PressNumber(board, n);
    }
};
