#pragma once

// The started program with the Preferences and Systems windows at hand, and
// the moves a person makes on them.

#include "UiFixture.h"
#include "dialogs/forms/MaskedNumberEdit.h"
#include "dialogs/forms/MessageUnit.h"
#include "dialogs/forms/PreferencesUnit.h"
#include "dialogs/forms/SystemsUnit.h"

#include <QAbstractItemView>
#include <QRadioButton>

#include <array>
#include <vector>

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
        Command("ShowOptionsAction")->trigger();
        QCoreApplication::processEvents();
        return PreferencesForm;
    }

    TSystemsForm *OpenSystems()
    {
        Command("SystemsAction")->trigger();
        QCoreApplication::processEvents();
        return SystemsForm;
    }

    // The program started and the window opened, as most tests begin.
    TPreferencesForm *StartWithPreferences()
    {
        StartProgram();
        return OpenPreferences();
    }

    TSystemsForm *StartWithSystems()
    {
        StartProgram();
        return OpenSystems();
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
};
