// The program in each language it carries: the language a desktop asks
// for, and every window's texts whole in their controls.

#include "kit/Language.h"
#include "DialogFixture.h"
#include "TextFit.h"
#include "dialogs/forms/AboutUnit.h"
#include "dialogs/forms/DrawUnit.h"
#include "dialogs/forms/HelpUnit.h"
#include "dialogs/forms/HistoryUnit.h"
#include "dialogs/forms/LuckUnit.h"
#include "dialogs/forms/MessageUnit.h"
#include "dialogs/forms/Utf16Text.h"
#include "dialogs/forms/WheelUnit.h"
#include "dialogs/rules/InfoTexts.h"
#include "wheels/Wheel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include <span>

namespace {

TEST(Language, DesktopsLanguageOrTheOneNamed)
{
    // A build without Qt's lrelease (a Windows cross build may lack it)
    // carries English alone.
    if (CarriedLanguages().isEmpty())
        GTEST_SKIP() << "built without translations";
    EXPECT_EQ(CarriedLanguages(), (QStringList{"de", "es", "fr", "ko", "zh_HK"}));
    struct TRow {
        const char *name;
        const char *carried;
    };
    for (const TRow &row :
         {TRow{"de", "de"}, TRow{"de_AT", "de"}, TRow{"de-CH", "de"}, TRow{"fr_CA", "fr"}, TRow{"es-419", "es"},
          TRow{"ko_KR", "ko"}, TRow{"zh-Hant-HK", "zh_HK"}, TRow{"zh_TW", "zh_HK"}, TRow{"zh-HK", "zh_HK"},
          TRow{"zh-CN", ""}, TRow{"zh-Hans", ""}, TRow{"en_GB", ""}, TRow{"xx", ""}, TRow{"", ""}})
        EXPECT_EQ(CarriedLanguage(QString::fromLatin1(row.name)), QString::fromLatin1(row.carried)) << row.name;
    EXPECT_EQ(DesktopLanguage({"en-US", "de-DE"}), QString());
    EXPECT_EQ(DesktopLanguage({"ja-JP", "fr-FR", "en"}), QStringLiteral("fr"));
    EXPECT_EQ(DesktopLanguage({"zh-Hant-HK", "zh-HK", "en"}), QStringLiteral("zh_HK"));
    EXPECT_EQ(DesktopLanguage({"pt-BR"}), QString());
}

// The texts that the toolkit-free libraries make follow the language too,
// and go back to English with it.
TEST(Language, TheLibrariesTextsFollowTheLanguage)
{
    // A build without Qt's lrelease (a Windows cross build may lack it)
    // carries English alone.
    if (CarriedLanguages().isEmpty())
        GTEST_SKIP() << "built without translations";
    const wheels::TWheel wheel{6, 10, 3, 4, std::vector<wheels::TPoolSet>(7, 0x3f)};
    UseLanguage(QStringLiteral("de"));
    EXPECT_EQ(wheels::GuaranteeChoice(wheel), "3 bei 4: 7 Felder");
    EXPECT_EQ(wheels::ReadNumbers("1 2 99", 6, 49, {}).error, "99 ist keine Zahl von 1 bis 49");
    UseLanguage({});
    EXPECT_EQ(wheels::GuaranteeChoice(wheel), "3 if 4: 7 boards");
}

class Languages : public DialogTest, public ::testing::WithParamInterface<const char *> {
protected:
    void TearDown() override
    {
        DialogTest::TearDown();
        UseLanguage({});
    }
};

// Every window of the program shown, with its figures: no text is cut off
// by its control, runs out of its panel or over another text.
TEST_P(Languages, EveryTextIsWholeInEveryWindow)
{
    UseLanguage(QString::fromLatin1(GetParam()) == QStringLiteral("en") ? QString() : QString::fromLatin1(GetParam()));
    StartProgram();
    FillBoard(1, {1, 2, 3, 4, 5, 6});
    struct TWindow {
        const char *command;
        QWidget *(*window)();
    };
    const TWindow windows[] = {
        {nullptr, [] { return static_cast<QWidget *>(TombolixForm); }},
        {"ShowOptionsAction", [] { return static_cast<QWidget *>(PreferencesForm); }},
        {"SystemsAction", [] { return static_cast<QWidget *>(SystemsForm); }},
        {"HelpAction", [] { return static_cast<QWidget *>(HelpForm); }},
        {"AboutAction", [] { return static_cast<QWidget *>(AboutForm); }},
        {"LuckAction", [] { return static_cast<QWidget *>(LuckForm); }},
        {"DrawAction", [] { return static_cast<QWidget *>(DrawForm); }},
        {"HistoryAction", [] { return static_cast<QWidget *>(HistoryForm); }},
        {"DrawAction",
         [] {
             Control<QPushButton>(DrawForm, "WheelBitBtn")->click();
             Control<QLineEdit>(WheelForm, "WheelNumbersEdit")->setText(QStringLiteral("3 14 15 22 27 31 38 40 44 49"));
             return static_cast<QWidget *>(WheelForm);
         }},
        {nullptr,
         [] {
             MessageForm->ShowText(QCoreApplication::translate("TTombolixForm", "Every board is already full"));
             return static_cast<QWidget *>(MessageForm);
         }},
    };
    for (const TWindow &row : windows) {
        if (row.command)
            Command(row.command)->trigger();
        QCoreApplication::processEvents();
        QWidget *window = row.window();
        QCoreApplication::processEvents();
        EXPECT_EQ(textfit::Faults(window), QStringList()) << GetParam() << " " << window->objectName().toStdString();
    }
    // The Help's headings stand in its text, to be picked out in colour.
    const QString help = Control<QTextEdit>(HelpForm, "HelpRichEdit")->toPlainText();
    using THeadings = std::span<const std::u16string_view>;
    for (const THeadings headings : {THeadings(infotexts::kCommandHeadings), THeadings(infotexts::kTopicHeadings)})
        for (const std::u16string_view heading : headings)
            EXPECT_TRUE(help.contains(TranslatedLine(heading, "Help")))
                << GetParam() << ": " << TranslatedLine(heading, "Help").toStdString();
    // And the About page's phrases.
    const QString about = Control<QTextEdit>(AboutForm, "AboutRichEdit")->toPlainText();
    for (const infotexts::TPhraseRange &phrase : infotexts::kAboutPhrases)
        EXPECT_TRUE(about.contains(TranslatedLine(phrase.phrase, "About")))
            << GetParam() << ": " << TranslatedLine(phrase.phrase, "About").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Carried, Languages, ::testing::Values("en", "de", "fr", "es", "zh_HK", "ko"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
