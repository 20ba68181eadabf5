#include "dialogs/forms/MaskedNumberEdit.h"
#include "WindowControls.h"
#include "dialogs/rules/MaskedDigits.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A field shown and focused, as a person finds it on a window: seven
// positions unless a test makes another.
class MaskedField : public ::testing::Test {
protected:
    void SetUp() override { Make(7); }
    void Make(int positions)
    {
        field_ = std::make_unique<TMaskedNumberEdit>(positions);
        field_->resize(120, 22);
        field_->show();
        field_->setFocus();
        QCoreApplication::processEvents();
    }
    TMaskedNumberEdit &Field() { return *field_; }
    // The number the field holds, as the windows read it.
    std::optional<int64_t> Number() { return ReadMaskedDigits(field_->MaskedText().toStdString()); }
    // Puts text on the clipboard and pastes it with Ctrl+V.
    void Paste(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field_.get(), Qt::Key_V, Qt::ControlModifier);
    }

private:
    std::unique_ptr<TMaskedNumberEdit> field_;
};

TEST_F(MaskedField, EmptyFieldShowsBlanksAndReadsBackAsSpaces)
{
    EXPECT_EQ(Field().text(), QStringLiteral("_______"));
    EXPECT_EQ(Field().MaskedText(), QStringLiteral("       "));
    EXPECT_EQ(Number(), std::nullopt);
    EXPECT_EQ(Field().Positions(), 7);
}

TEST_F(MaskedField, TypedDigitsGrowFromTheRightAndLettersAreDropped)
{
    QTest::keyClicks(&Field(), QStringLiteral("1a2-b 3.4"));
    EXPECT_EQ(Field().text(), QStringLiteral("___1234"));
    EXPECT_EQ(Field().MaskedText(), QStringLiteral("   1234"));
    EXPECT_EQ(Number(), 1234);
    EXPECT_EQ(Field().cursorPosition(), 7);

    // A full field takes no more digits.
    QTest::keyClicks(&Field(), QStringLiteral("567890"));
    EXPECT_EQ(Field().text(), QStringLiteral("1234567"));
    EXPECT_EQ(Number(), 1234567);
}

TEST_F(MaskedField, WordAndLineDeletesTakeTheDigitsBeforeOrAfterTheCaret)
{
    QTest::keyClicks(&Field(), QStringLiteral("1234"));
    // Caret between 2 and 3: Ctrl+Backspace takes 1 and 2.
    Field().setCursorPosition(5);
    QTest::keySequence(&Field(), QKeySequence(QKeySequence::DeleteStartOfWord));
    EXPECT_EQ(Field().text(), QStringLiteral("_____34"));
    EXPECT_EQ(Number(), 34);

    Field().SetMaskedText(QStringLiteral("   1234"));
    Field().setCursorPosition(5);
    QTest::keySequence(&Field(), QKeySequence(QKeySequence::DeleteEndOfWord));
    EXPECT_EQ(Field().text(), QStringLiteral("_____12"));
    EXPECT_EQ(Number(), 12);
}

TEST_F(MaskedField, BackspaceAndDeleteRemoveOneDigitAndRealign)
{
    QTest::keyClicks(&Field(), QStringLiteral("1234"));
    QTest::keyClick(&Field(), Qt::Key_Backspace);
    EXPECT_EQ(Field().text(), QStringLiteral("____123"));

    // Caret between 1 and 2: Backspace takes the 1, Delete the digit after.
    Field().setCursorPosition(5);
    QTest::keyClick(&Field(), Qt::Key_Backspace);
    EXPECT_EQ(Field().text(), QStringLiteral("_____23"));
    EXPECT_EQ(Field().cursorPosition(), 5);
    QTest::keyClick(&Field(), Qt::Key_Delete);
    EXPECT_EQ(Field().text(), QStringLiteral("______3"));
    EXPECT_EQ(Number(), 3);

    // Blanks cannot be deleted; deleting the last digit empties the field.
    Field().setCursorPosition(2);
    QTest::keyClick(&Field(), Qt::Key_Delete);
    QTest::keyClick(&Field(), Qt::Key_Backspace);
    EXPECT_EQ(Field().text(), QStringLiteral("______3"));
    QTest::keyClick(&Field(), Qt::Key_End);
    QTest::keyClick(&Field(), Qt::Key_Backspace);
    EXPECT_EQ(Field().text(), QStringLiteral("_______"));
    EXPECT_EQ(Number(), std::nullopt);
}

TEST_F(MaskedField, TypingInsideTheNumberInsertsAtTheCaret)
{
    QTest::keyClicks(&Field(), QStringLiteral("1234"));
    QTest::keyClick(&Field(), Qt::Key_Left);
    QTest::keyClick(&Field(), Qt::Key_Left);
    QTest::keyClicks(&Field(), QStringLiteral("9"));
    EXPECT_EQ(Field().text(), QStringLiteral("__12934"));
    // Typing in the blanks puts the digit in front of the number.
    Field().setCursorPosition(0);
    QTest::keyClicks(&Field(), QStringLiteral("5"));
    EXPECT_EQ(Field().text(), QStringLiteral("_512934"));
}

TEST_F(MaskedField, SelectionIsReplacedByTypingAndRemovedByDelete)
{
    QTest::keyClicks(&Field(), QStringLiteral("1234"));
    QTest::keyClick(&Field(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&Field(), QStringLiteral("5"));
    EXPECT_EQ(Field().text(), QStringLiteral("______5"));

    QTest::keyClicks(&Field(), QStringLiteral("678"));
    QTest::keyClick(&Field(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&Field(), Qt::Key_Delete);
    EXPECT_EQ(Field().text(), QStringLiteral("_______"));
    EXPECT_EQ(Number(), std::nullopt);
}

TEST_F(MaskedField, PastedTextKeepsItsDigitsOnlyAndWhatFits)
{
    Paste(QStringLiteral("$ 1,234 dollars"));
    EXPECT_EQ(Field().text(), QStringLiteral("___1234"));
    EXPECT_EQ(Number(), 1234);

    Paste(QStringLiteral("ab987654cd"));
    EXPECT_EQ(Field().text(), QStringLiteral("1234987"));

    // Letters only: nothing changes.
    QTest::keyClick(&Field(), Qt::Key_A, Qt::ControlModifier);
    Paste(QStringLiteral("ten"));
    EXPECT_EQ(Field().text(), QStringLiteral("1234987"));

    // Pasting over a selection replaces it.
    Paste(QStringLiteral("x42"));
    EXPECT_EQ(Field().text(), QStringLiteral("_____42"));
}

TEST_F(MaskedField, CutAndCopyGiveTheDigitsWithoutBlanks)
{
    QTest::keyClicks(&Field(), QStringLiteral("1234"));
    QTest::keyClick(&Field(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&Field(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1234"));
    Field().setSelection(5, 2);
    QTest::keyClick(&Field(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("34"));
    EXPECT_EQ(Field().text(), QStringLiteral("_____12"));
}

TEST_F(MaskedField, StoredEditTextIsShownRightAlignedWithItsInnerBlanks)
{
    Make(10);
    Field().SetMaskedText(QStringLiteral("12 34"));
    EXPECT_EQ(Field().text(), QStringLiteral("_____12_34"));
    EXPECT_EQ(Field().MaskedText(), QStringLiteral("     12 34"));
    EXPECT_EQ(Number(), 1234);

    Field().SetMaskedText(QStringLiteral("     10"));
    EXPECT_EQ(Field().text(), QStringLiteral("________10"));
    Field().SetMaskedText(QStringLiteral("10   "));
    EXPECT_EQ(Field().MaskedText(), QStringLiteral("        10"));
    Field().SetMaskedText(QStringLiteral("9999999999"));
    EXPECT_EQ(Number(), 9999999999);
    // A number longer than the field is not cut to another amount.
    Field().SetMaskedText(QStringLiteral("12345678901"));
    EXPECT_EQ(Field().MaskedText(), QStringLiteral("          "));
    Field().SetMaskedText(QString());
    EXPECT_EQ(Number(), std::nullopt);

    // Deleting the digit beside an inner blank closes the gap at the edge.
    Field().SetMaskedText(QStringLiteral("12 34"));
    QTest::keyClick(&Field(), Qt::Key_Backspace);
    QTest::keyClick(&Field(), Qt::Key_Backspace);
    EXPECT_EQ(Field().text(), QStringLiteral("________12"));
}

} // namespace
