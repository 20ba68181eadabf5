#include "app/Application.h"
#include "DrawvaneVersion.h"
#include "coupon/logic/CouponSystems.h"
#include "coupon/mainwindow/ImageFormUnit.h"
#include "coupon/mainwindow/Tombolix.h"
#include "dialogs/forms/AboutUnit.h"
#include "dialogs/forms/DrawUnit.h"
#include "dialogs/forms/HelpUnit.h"
#include "dialogs/forms/HistoryUnit.h"
#include "dialogs/forms/LuckUnit.h"
#include "dialogs/forms/MessageUnit.h"
#include "dialogs/forms/PreferencesUnit.h"
#include "dialogs/forms/SystemsUnit.h"
#include "dialogs/forms/WheelUnit.h"
#include "kit/Artwork.h"
#include "kit/ErrorReport.h"
#include "kit/KeyboardAccess.h"
#include "kit/WindowStacking.h"
#include "settings/RegistryUnit.h"

#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QPointer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

// Tahoma as Debian ships it, outside fontconfig's search path. Only the
// regular face: Wine's bold face draws thinner strokes than the regular one
// at 16 pixels, so bold is made from the regular face by emboldening it,
// which gives bold labels clearly more weight.
constexpr const char *kTahomaFile = "/usr/share/wine/fonts/tahoma.ttf";

} // namespace

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// Set while the application object chooses the platform.
bool gPlatformChosen = false;
#endif

// On Linux the windows' rules (no maximise, dialogs without title-bar
// buttons, centred, the dialogs above the main window) need an X11 window
// manager: a Wayland compositor lets no client place its windows, keep one
// on top of another application, or tell which buttons a title bar has.
// Where the player has not chosen a platform, the program asks for X11
// first, which on a Wayland desktop is Xwayland, and takes native Wayland
// only where no X display answers. The choice is taken back once the
// application object is made, so that what the program starts (the
// browser) sees the player's own environment.
int &ChoosePlatform(int &argc)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
        gPlatformChosen = true;
    }
#endif
    return argc;
}

} // namespace

TApplication::TApplication(int &argc, char **argv)
    : QApplication(ChoosePlatform(argc), argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (std::exchange(gPlatformChosen, false))
        qunsetenv("QT_QPA_PLATFORM");
#endif
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportException(std::current_exception());
        return false;
    }
}

bool EnsureFonts()
{
#ifdef Q_OS_WIN
    // Smoothed text. Windows leaves Tahoma unsmoothed at the windows' 16
    // pixels, and under Wine Qt's font engine then draws every glyph without
    // its leftmost column, "0" as a reversed "C"; smoothed, it is whole. The
    // windows' own fonts take the strategy from the application's.
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::PreferAntialias);
    QApplication::setFont(font);
#endif
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return true;
    const bool added = QFontDatabase::addApplicationFont(QString::fromLatin1(kTahomaFile)) >= 0;
    if (!added || !QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        std::fprintf(stderr, "drawvane: the Tahoma font is not installed (Debian package fonts-wine)\n");
        return false;
    }
    return true;
}

namespace {

// How each window made is destroyed, in the order of making.
std::vector<std::function<void()>> Destroyers;

template <class TForm, class... TArgs>
void Create(TForm *&form, TArgs &&...args)
{
    form = new TForm(std::forward<TArgs>(args)...);
    Destroyers.push_back([&form] {
        delete form;
        form = nullptr;
    });
}

// A secondary window, which the main window owns.
template <class TForm, class... TArgs>
void CreateOwned(TForm *&form, TArgs &&...args)
{
    Create(form, std::forward<TArgs>(args)...);
    SetOwner(form, TombolixForm);
}

// The main window's commands that open the other windows. Direct
// connections: a command has done its work when it returns.
void ConnectCommands()
{
    TTombolixForm *form = TombolixForm;
    QObject::connect(form, &TTombolixForm::optionsRequested, form, [] { ShowInFront(PreferencesForm); });
    QObject::connect(form, &TTombolixForm::systemsRequested, form, [] { ShowInFront(SystemsForm); });
    QObject::connect(form, &TTombolixForm::luckRequested, form, [] { ShowInFront(LuckForm); });
    QObject::connect(form, &TTombolixForm::aboutRequested, form, [] { ShowInFront(AboutForm); });
    QObject::connect(form, &TTombolixForm::helpRequested, form, [] { ShowInFront(HelpForm); });
    // The Draw and History windows work on the coupon: beside it, not over
    // the rings of a checked draw.
    QObject::connect(form, &TTombolixForm::drawRequested, form, [form] { ShowBeside(DrawForm, form); });
    QObject::connect(form, &TTombolixForm::historyRequested, form, [form] { ShowBeside(HistoryForm, form); });
    QObject::connect(form, &TTombolixForm::messageRequested, form,
                     [](const QString &text) { MessageForm->ShowText(text); });
    QObject::connect(form, &TTombolixForm::shapeChanged, DrawForm, [] { DrawForm->ReadShape(); });

    // The Draw window works on the main window's coupon.
    DrawForm->OnShape = [form] { return TDrawForm::TShape{form->marks, form->boardsize}; };
    DrawForm->OnFill = [form] { form->FillBoards(); };
    DrawForm->OnCheck = [form](const std::array<int, 7> &numbers) {
        TDrawnNumbers draw{};
        for (size_t i = 0; i < draw.size(); ++i)
            draw[i] = static_cast<uint8_t>(std::clamp(numbers[i], 0, 255));
        return form->CheckDraw(draw);
    };
    DrawForm->OnClearDraw = [form] { form->ClearDraw(); };
    DrawForm->OnHistory = [form] { ShowBeside(HistoryForm, form); };
    DrawForm->OnWheel = [form] { ShowBeside(WheelForm, form); };
    DrawForm->OnKeptDraw = [] {
        std::array<int, 7> numbers{};
        const TKeptDraw kept = TRegOptions().GetDraw();
        std::copy(kept.begin(), kept.end(), numbers.begin());
        return numbers;
    };

    // The History window checks the coupon's full boards against the past
    // draws, and a past draw in the Draw window.
    HistoryForm->OnCoupon = [form] {
        THistoryForm::TCoupon coupon;
        coupon.marks = form->marks;
        coupon.boardsize = form->boardsize;
        for (int b = 1; b <= form->boards; ++b) {
            if (!form->Coupon().IsFull(b, form->marks))
                continue;
            std::vector<uint8_t> numbers;
            for (int n = 1; n <= form->boardsize; ++n)
                if (form->Coupon().Marked(b, n))
                    numbers.push_back(static_cast<uint8_t>(n));
            coupon.boards.push_back(std::move(numbers));
        }
        for (size_t d = 0; d < coupon.on.size(); ++d)
            coupon.on[d] = form->divisions[d] != 0;
        // Payments the store cannot open stay 0, as in the results panel.
        TRegOptions().GetPayments(coupon.payments);
        return coupon;
    };
    HistoryForm->OnCheckDraw = [form](const std::array<int, 7> &draw) {
        ShowBeside(DrawForm, form);
        DrawForm->CheckDraw(draw);
    };
    QObject::connect(form, &TTombolixForm::couponChanged, HistoryForm, [] {
        if (HistoryForm->isVisible())
            HistoryForm->ShowFigures();
    });
    QObject::connect(form, &TTombolixForm::shapeChanged, HistoryForm, [] {
        if (HistoryForm->isVisible())
            HistoryForm->ReadShape();
    });

    // The Wheel window spreads the player's numbers over the boards in use.
    WheelForm->OnGame = [form] {
        TWheelForm::TGame game;
        game.marks = form->marks;
        game.boardsize = form->boardsize;
        game.boards = form->boards;
        TSettingsReading reading;
        TRegOptions store;
        const TCouponSystems systems = TCouponSystems::ReadExclusions(store);
        game.excluded.resize(static_cast<size_t>(form->boardsize) + 1);
        for (int n = 1; n <= form->boardsize; ++n)
            game.excluded[static_cast<size_t>(n)] = systems.IsExcluded(static_cast<uint8_t>(n));
        game.inclusions = store.GetPlayInclude();
        for (int b = 1; b <= form->boards && !game.marked; ++b)
            game.marked = form->Coupon().MarkCount(b) > 0;
        return game;
    };
    WheelForm->OnFill = [form](const std::vector<std::vector<int>> &boards) { form->FillWheel(boards); };
    QObject::connect(form, &TTombolixForm::shapeChanged, WheelForm, [] {
        if (WheelForm->isVisible())
            WheelForm->ReadNumbers();
    });
}

} // namespace

void CreateForms()
{
    // The title. No display name is set: the toolkit would append it to
    // every secondary window's caption.
    QApplication::setApplicationName(QStringLiteral("Drawvane"));
    QApplication::setApplicationVersion(QStringLiteral(DRAWVANE_FILE_VERSION));
    // Ties the windows to the menu entry and its icon on Wayland and X11.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.drawvane.Drawvane"));
    // From a picture: an icon made from a file name looks for icon engine
    // plugins first.
    QApplication::setWindowIcon(QIcon(ArtPixmap(QStringLiteral(":/icons/window.png"), 1.0)));
    QApplication::setQuitOnLastWindowClosed(false);
    EnsureFonts();
    ShowKeyboardFocus();
    InstallAccessibleRoles();

    // The atlas first: the main window's coupon copies its cells from it.
    // The main window's show handler, run later, may use every window.
    Create(ImagesForm);
    Create(TombolixForm, ImagesForm->Atlas());
    // The secondary windows belong to the main window, and stay above it
    // where the window system leaves stacking to their owners (Wayland).
    CreateOwned(PreferencesForm, TombolixForm);
    CreateOwned(SystemsForm, TombolixForm);
    CreateOwned(LuckForm);
    CreateOwned(AboutForm);
    CreateOwned(HelpForm);
    CreateOwned(DrawForm);
    CreateOwned(HistoryForm);
    CreateOwned(WheelForm);
    CreateOwned(MessageForm);
    ConnectCommands();

    // A settings file that was not a registry file was kept aside; say so
    // once the window is up.
    QPointer<TTombolixForm> form = TombolixForm;
    SetStoreNoticeHandler([form](const std::string &notice) {
        if (!form)
            return;
        const QString text = QString::fromStdString(notice);
        QMetaObject::invokeMethod(
            form, [text] { ShowErrorReport(text); }, Qt::QueuedConnection);
    });
}

void DestroyForms()
{
    SetStoreNoticeHandler(nullptr);
    // In the reverse order of creation; every name is left empty.
    while (!Destroyers.empty()) {
        Destroyers.back()();
        Destroyers.pop_back();
    }
}
