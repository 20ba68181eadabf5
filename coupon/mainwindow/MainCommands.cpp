// The main window's commands: one table gives each its caption, hint,
// keys, what it runs and its toolbar button, from which the actions and the
// toolbar are made; and what each command does.

#include "coupon/logic/PrintText.h"
#include "coupon/mainwindow/MainToolbar.h"
#include "coupon/mainwindow/Printing.h"
#include "coupon/mainwindow/Tombolix.h"
#include "kit/ErrorReport.h"
#include "kit/HintText.h"
#include "kit/WindowLayout.h"
#include "settings/RegistryUnit.h"

#include <QAction>

#include <string>
#include <vector>

namespace {

// A command: its name, caption, hint and keys, what it runs, and the
// toolbar button that shows it (a button of no name for none), with the
// button's picture and a hint of its own where it does not take the
// command's.
struct TCommand {
    const char *name;
    const char *caption;
    const char *hint;
    QKeySequence::StandardKey keys;
    QKeyCombination ownKey; // a key of the program's own, where the platform has none
    QAction *TTombolixForm::*action;
    void (TTombolixForm::*execute)();
    TPlace button;
    const char *picture;
    const char *buttonHint;
};

// clang-format off
const TCommand kCommands[] = {
    {"ShowOptionsAction", QT_TRANSLATE_NOOP("Drawvane", "Options"), QT_TRANSLATE_NOOP("Drawvane", "|Show Program options"), QKeySequence::Preferences, {},
     &TTombolixForm::ShowOptionsAction, &TTombolixForm::ShowOptionsActionExecute,
     {"PrefBitBtn", 0, 2, 81, 74}, ":/toolbar/options.png", nullptr},
    {"SystemsAction", QT_TRANSLATE_NOOP("Drawvane", "Systems"), QT_TRANSLATE_NOOP("Drawvane", "|Show Systems Window"), QKeySequence::UnknownKey, {},
     &TTombolixForm::SystemsAction, &TTombolixForm::SystemsActionExecute,
     {"SystemsBitBtn", 81, 2, 81, 74}, ":/toolbar/systems.png", nullptr},
    {"ClearAction", QT_TRANSLATE_NOOP("Drawvane", "Clear"), QT_TRANSLATE_NOOP("Drawvane", "|Clear all marks and calculations"), QKeySequence::New, {},
     &TTombolixForm::ClearAction, &TTombolixForm::ClearActionExecute,
     {"ClearBitBtn", 162, 2, 81, 74}, ":/toolbar/clear.png", nullptr},
    {"PrintAction", QT_TRANSLATE_NOOP("Drawvane", "Print"), QT_TRANSLATE_NOOP("Drawvane", "|Print filled boards"), QKeySequence::Print, {},
     &TTombolixForm::PrintAction, &TTombolixForm::PrintActionExecute,
     {"PrintBitBtn", 243, 2, 75, 74}, ":/toolbar/print.png", nullptr},
    {"LuckAction", QT_TRANSLATE_NOOP("Drawvane", "Luck"), QT_TRANSLATE_NOOP("Drawvane", "|Increas you winning chances"), QKeySequence::UnknownKey, {},
     &TTombolixForm::LuckAction, &TTombolixForm::LuckActionExecute,
     {"LuckBitBtn", 318, 2, 75, 74}, ":/toolbar/luck.png", nullptr},
    {"HelpAction", QT_TRANSLATE_NOOP("Drawvane", "Help"), QT_TRANSLATE_NOOP("Drawvane", "|Program usage and explanation"), QKeySequence::HelpContents, {},
     &TTombolixForm::HelpAction, &TTombolixForm::HelpActionExecute,
     {"CalculateBitBtn", 393, 2, 81, 74}, ":/toolbar/help.png", nullptr},
    {"AboutAction", QT_TRANSLATE_NOOP("Drawvane", "About"), QT_TRANSLATE_NOOP("Drawvane", "|Contact the Author and read about his other programs"), QKeySequence::UnknownKey, {},
     &TTombolixForm::AboutAction, &TTombolixForm::AboutActionExecute,
     {"AboutBitBtn", 474, 2, 75, 74}, ":/toolbar/about.png", QT_TRANSLATE_NOOP("Drawvane", "|A note about the author and his other programs")},
    {"DrawAction", QT_TRANSLATE_NOOP("Drawvane", "Draw"), QT_TRANSLATE_NOOP("Drawvane", "|Quick pick and check the draw"), QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_D,
     &TTombolixForm::DrawAction, &TTombolixForm::DrawActionExecute,
     {"DrawBitBtn", 572, 2, 81, 74}, ":/toolbar/draw.png", nullptr},
    {"FormCloseAction", QT_TRANSLATE_NOOP("Drawvane", "Exit"), QT_TRANSLATE_NOOP("Drawvane", "|Close window and Exit program"), QKeySequence::Quit, {},
     &TTombolixForm::FormCloseAction, &TTombolixForm::FormCloseActionExecute,
     {"ExitBitBtn", 676, 2, 81, 74}, ":/toolbar/exit.png", nullptr},
    {"HistoryAction", QT_TRANSLATE_NOOP("Drawvane", "Past Draws"), QT_TRANSLATE_NOOP("Drawvane", "|Past draws of your lottery"), QKeySequence::UnknownKey, Qt::CTRL | Qt::Key_H,
     &TTombolixForm::HistoryAction, &TTombolixForm::HistoryActionExecute,
     {nullptr, 0, 0, 0, 0}, nullptr, nullptr},
    {"CalculateAction", QT_TRANSLATE_NOOP("Drawvane", "Calculate"), QT_TRANSLATE_NOOP("Drawvane", "|Calculate Probabilities and related data"), QKeySequence::UnknownKey, {},
     &TTombolixForm::CalculateAction, &TTombolixForm::CalculateActionExecute,
     {nullptr, 0, 0, 0, 0}, nullptr, nullptr},
};
// clang-format on

} // namespace

void TTombolixForm::CreateCommands()
{
    for (const TCommand &def : kCommands) {
        auto *action = new QAction(UiText(def.caption), this);
        action->setObjectName(QString::fromLatin1(def.name));
        action->setProperty("category", QStringLiteral("Form"));
        const THint hint = SplitHint(UiText(def.hint).toStdString());
        action->setStatusTip(QString::fromStdString(hint.longPart));
        action->setToolTip(QString::fromStdString(hint.shortPart));
        action->setProperty("hint", UiText(def.hint));
        if (def.keys != QKeySequence::UnknownKey)
            action->setShortcuts(def.keys);
        else if (def.ownKey != QKeyCombination())
            action->setShortcut(def.ownKey);
        if (!action->shortcuts().isEmpty()) {
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
        }
        const auto execute = def.execute;
        connect(action, &QAction::triggered, this, Guard([this, execute] { (this->*execute)(); }));
        this->*def.action = action;
    }
}

void TTombolixForm::CreateToolbar()
{
    std::vector<TMainToolbar::TButton> buttons;
    for (const TCommand &def : kCommands)
        if (def.button.name)
            buttons.push_back({def.button, def.picture, this->*def.action, def.buttonHint});
    CoolBar1 = new TMainToolbar(this, buttons);
}

// --- Commands ---------------------------------------------------------------

void TTombolixForm::FormCloseActionExecute()
{
    close();
}

void TTombolixForm::ShowOptionsActionExecute()
{
    emit optionsRequested();
}

void TTombolixForm::CalculateActionExecute()
{
    TSettingsReading reading;
    CalculateResults();
}

void TTombolixForm::ClearActionExecute()
{
    TSettingsReading reading;
    DrawCoupon();
}

void TTombolixForm::SystemsActionExecute()
{
    emit systemsRequested();
}

void TTombolixForm::PrintActionExecute()
{
    const std::string text = ComposePrintText(Coupon(), marks);
    if (text.empty()) {
        emit messageRequested(tr("Please fill at least one of the boards"));
        return;
    }
    // A failure of the printing system goes to the general error report,
    // and then no message says that printing is under way.
    PrintOnDefaultPrinter(QString::fromStdString(text), QString::fromLatin1(kPrintJobTitle));
    emit messageRequested(tr("Printing the selected numbers..."));
}
void TTombolixForm::LuckActionExecute()
{
    emit luckRequested();
}

void TTombolixForm::AboutActionExecute()
{
    emit aboutRequested();
}

void TTombolixForm::HelpActionExecute()
{
    emit helpRequested();
}

void TTombolixForm::DrawActionExecute()
{
    emit drawRequested();
}

void TTombolixForm::HistoryActionExecute()
{
    emit historyRequested();
}
