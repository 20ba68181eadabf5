#include "coupon/Tombolix.h"
#include "coupon/Artwork.h"
#include "coupon/CouponDrawing.h"
#include "coupon/CouponImage.h"
#include "coupon/CouponSystems.h"
#include "coupon/ErrorReport.h"
#include "coupon/GridAtlas.h"
#include "coupon/ImageFormUnit.h"
#include "coupon/PrintText.h"
#include "coupon/Printing.h"
#include "coupon/ReportText.h"
#include "coupon/WindowLayout.h"
#include "settings/RegistryUnit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QStatusBar>
#include <QThread>
#include <QToolButton>

#include <algorithm>
#include <exception>

TTombolixForm *TombolixForm = nullptr;

namespace {

// Fixed layout of the window, in pixels relative to the parent.
constexpr TPlace kCoolBar = {"CoolBar1", 0, 0, 773, 86};
constexpr TPlace kToolBar = {"ToolBar1", 9, 0, 756, 81};
constexpr TPlace kGamePanel = {"GamePanel", 0, 87, 773, 259};
constexpr TPlace kCouponImage = {"CouponImage", 8, 8, 753, 241};
constexpr TPlace kCoefficientsPanel = {"CoefficientsPanel", 0, 345, 773, 91};
constexpr TPlace kStatsPanel = {"StatsPanel", 0, 437, 773, 189};
constexpr TPlace kLogoImage = {"LogoImage", 560, 10, 162, 170};
constexpr TPlace kStatusBar = {"MainStatusBar", 0, 625, 773, 22};

struct ButtonDef {
    TPlace geometry;
    const char *picture;
    QAction *TTombolixForm::*action;
    QToolButton *TTombolixForm::*button;
    const char *ownHint;
};

struct ActionDef {
    const char *name;
    const char *caption;
    const char *hint;
    QAction *TTombolixForm::*action;
    void (TTombolixForm::*execute)();
};

constexpr QRgb kWindowColour = 0xFFA6CAF0;
constexpr QRgb kCoolBarColour = kCommonBackground;
constexpr QRgb kGamePanelColour = 0xFFDC78D2;
constexpr QRgb kStatsPanelColour = kCommonBackground;
constexpr QRgb kCoefficientsColour = 0xFFDEC2C2;
constexpr QRgb kCouponColour = 0xFFDEBED7;

constexpr int kCaptionLefts[6] = {10, 138, 266, 394, 522, 650};

QFont WindowFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, int x, int y, const QString &text, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(WindowFont(16, bold));
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

void TTombolixForm::SetLabelText(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    // Laying a label out again costs more than the rest of a recalculation;
    // only a label whose text changed its size is resized.
    const QSize wanted = label->sizeHint();
    if (wanted != label->size())
        label->resize(wanted);
}

QEvent::Type TWindowMessage::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

intptr_t SendFormMessage(QWidget *form, int msg, intptr_t wParam, intptr_t lParam)
{
    TWindowMessage message(msg, wParam, lParam);
    QCoreApplication::sendEvent(form, &message);
    return message.Result;
}

TTombolixForm::TTombolixForm(QWidget *parent)
    : QWidget(parent)
{
    SetUpWindow(this,
                {.name = "TombolixForm",
                 .title = "Drawvane",
                 .size = QSize(773, 647),
                 .font = WindowFont(16),
                 .flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                     | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint,
                 .colour = kWindowColour});

    CreateToolbar();
    CreatePanels();
    CentreOnScreen(this);
    Guarded([this] { FormCreate(); });
}

void TTombolixForm::CreateToolbar()
{
    static const ActionDef actions[] = {
        {"FormCloseAction", "Exit", "|Close window and Exit program", &TTombolixForm::FormCloseAction,
         &TTombolixForm::FormCloseActionExecute},
        {"ShowOptionsAction", "Options", "|Show Program options", &TTombolixForm::ShowOptionsAction,
         &TTombolixForm::ShowOptionsActionExecute},
        {"CalculateAction", "Calculate", "|Calculate Probabilities and related data", &TTombolixForm::CalculateAction,
         &TTombolixForm::CalculateActionExecute},
        {"ClearAction", "Clear", "|Clear all marks and calculations", &TTombolixForm::ClearAction,
         &TTombolixForm::ClearActionExecute},
        {"SystemsAction", "Systems", "|Show Systems Window", &TTombolixForm::SystemsAction,
         &TTombolixForm::SystemsActionExecute},
        {"PrintAction", "Print", "|Print filled boards", &TTombolixForm::PrintAction,
         &TTombolixForm::PrintActionExecute},
        {"LuckAction", "Luck", "|Increas you winning chances", &TTombolixForm::LuckAction,
         &TTombolixForm::LuckActionExecute},
        {"AboutAction", "About", "|Contact the Author and read about his other programs", &TTombolixForm::AboutAction,
         &TTombolixForm::AboutActionExecute},
        {"HelpAction", "Help", "|Program usage and explanation", &TTombolixForm::HelpAction,
         &TTombolixForm::HelpActionExecute},
    };
    for (const auto &def : actions) {
        auto *action = new QAction(QString::fromLatin1(def.caption), this);
        action->setObjectName(QString::fromLatin1(def.name));
        action->setProperty("category", QStringLiteral("Form"));
        const THint hint = SplitHint(def.hint);
        action->setStatusTip(QString::fromStdString(hint.longPart));
        action->setToolTip(QString::fromStdString(hint.shortPart));
        action->setProperty("hint", QString::fromLatin1(def.hint));
        const auto execute = def.execute;
        connect(action, &QAction::triggered, this,
                [this, execute] { Guarded([this, execute] { (this->*execute)(); }); });
        this->*def.action = action;
    }

    CoolBar1 = new QFrame(this);
    Place(CoolBar1, kCoolBar);
    ToolBar1 = new QWidget(CoolBar1);
    Place(ToolBar1, kToolBar);

    // A table, one button a row.
    // clang-format off
    static const ButtonDef buttons[] = {
        {{"PrefBitBtn", 0, 2, 81, 74}, ":/toolbar/options.png", &TTombolixForm::ShowOptionsAction,
         &TTombolixForm::PrefBitBtn, nullptr},
        {{"SystemsBitBtn", 81, 2, 81, 74}, ":/toolbar/systems.png", &TTombolixForm::SystemsAction,
         &TTombolixForm::SystemsBitBtn, nullptr},
        {{"ClearBitBtn", 162, 2, 81, 74}, ":/toolbar/clear.png", &TTombolixForm::ClearAction,
         &TTombolixForm::ClearBitBtn, nullptr},
        {{"PrintBitBtn", 243, 2, 75, 74}, ":/toolbar/print.png", &TTombolixForm::PrintAction,
         &TTombolixForm::PrintBitBtn, nullptr},
        {{"LuckBitBtn", 318, 2, 75, 74}, ":/toolbar/luck.png", &TTombolixForm::LuckAction,
         &TTombolixForm::LuckBitBtn, nullptr},
        {{"CalculateBitBtn", 393, 2, 81, 74}, ":/toolbar/help.png", &TTombolixForm::HelpAction,
         &TTombolixForm::CalculateBitBtn, nullptr},
        {{"AboutBitBtn", 474, 2, 75, 74}, ":/toolbar/about.png", &TTombolixForm::AboutAction,
         &TTombolixForm::AboutBitBtn, "|A note about the author and his other programs"},
        {{"ExitBitBtn", 676, 2, 81, 74}, ":/toolbar/exit.png", &TTombolixForm::FormCloseAction,
         &TTombolixForm::ExitBitBtn, nullptr},
    };
    // clang-format on
    const qreal dpr = devicePixelRatioF();
    for (const auto &def : buttons) {
        auto *button = new QToolButton(ToolBar1);
        Place(button, def.geometry);
        QAction *action = this->*def.action;
        // The button takes the command's caption and hint, unless it has a
        // hint of its own. It is not the action's own widget, so the
        // action's text never turns into a tool tip.
        const QString hintText = def.ownHint ? QString::fromLatin1(def.ownHint) : action->property("hint").toString();
        const THint hint = SplitHint(hintText.toStdString());
        button->setText(action->text());
        button->setStatusTip(QString::fromStdString(hint.longPart));
        button->setToolTip(QString::fromStdString(hint.shortPart));
        const QPixmap picture = ArtPixmap(QString::fromLatin1(def.picture), dpr);
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.deviceIndependentSize().toSize());
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(WindowFont(12));
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        this->*def.button = button;
    }
    Bevel1 = new QWidget(ToolBar1);
    Place(Bevel1, {"Bevel1", 549, 2, 127, 74});
}

void TTombolixForm::CreatePanels()
{
    GamePanel = new QFrame(this);
    Place(GamePanel, kGamePanel);
    CouponImage = new TCouponImage(GamePanel);
    Place(CouponImage, kCouponImage);
    CouponImage->OnMouseDown = [this](int x, int y) { Guarded([=, this] { CouponImageMouseDown(x, y); }); };

    CoefficientsPanel = new QFrame(this);
    Place(CoefficientsPanel, kCoefficientsPanel);
    for (int b = 1; b <= 12; ++b) {
        const int left = kCaptionLefts[(b - 1) % 6];
        const int top = b <= 6 ? 5 : 50;
        PunchLabels[b - 1] =
            MakeLabel(CoefficientsPanel, QStringLiteral("p%1").arg(b), left, top, QStringLiteral("Punch :"));
        SpreadLabels[b - 1] =
            MakeLabel(CoefficientsPanel, QStringLiteral("s%1").arg(b), left, top + 20, QStringLiteral("Spread:"));
    }

    StatsPanel = new QFrame(this);
    Place(StatsPanel, kStatsPanel);
    MakeLabel(StatsPanel, QStringLiteral("Label9"), 123, 5, QStringLiteral("Win Probability"), true);
    MakeLabel(StatsPanel, QStringLiteral("OddsLabel"), 301, 5, QStringLiteral("Odds"), true);
    MakeLabel(StatsPanel, QStringLiteral("Label10"), 411, 5, QStringLiteral("Returns $"), true);
    for (int d = 1; d <= 7; ++d) {
        const int top = 28 + 19 * (d - 1);
        MakeLabel(StatsPanel, QStringLiteral("Label%1").arg(d), 14, top, QStringLiteral("Division %1").arg(d));
        WinLabels[d - 1] = MakeLabel(StatsPanel, QStringLiteral("WinDiv%1Label").arg(d), 137, top,
                                     QStringLiteral("Win Div %1").arg(d));
        OddsLabels[d - 1] =
            MakeLabel(StatsPanel, QStringLiteral("Odds%1Label").arg(d), 282, top, QStringLiteral("Odds %1").arg(d));
        PayLabels[d - 1] =
            MakeLabel(StatsPanel, QStringLiteral("Pay%1Label").arg(d), 416, top, QStringLiteral("Returns"));
    }
    MakeLabel(StatsPanel, QStringLiteral("Label8"), 14, 164, QStringLiteral("Totals: "), true);
    WinLabels[7] =
        MakeLabel(StatsPanel, QStringLiteral("TotalWinProbability"), 137, 164, QStringLiteral("Win Total"), true);
    OddsLabels[7] = MakeLabel(StatsPanel, QStringLiteral("OddsTotalLabel"), 282, 164, QStringLiteral("Odds"), true);
    PayLabels[7] = MakeLabel(StatsPanel, QStringLiteral("PayTotalLabel"), 406, 164, QStringLiteral("Returns"), true);

    LogoImage = new QLabel(StatsPanel);
    Place(LogoImage, kLogoImage);
    LogoImage->setPixmap(ArtPixmap(QStringLiteral(":/logo.png"), devicePixelRatioF()));
    LogoImage->setAttribute(Qt::WA_TranslucentBackground);

    MainStatusBar = new QStatusBar(this);
    Place(MainStatusBar, kStatusBar);
    MainStatusBar->setSizeGripEnabled(false);
    FStatusPanel = new QLabel(QStringLiteral("Save All"), MainStatusBar);
    FStatusPanel->setObjectName(QStringLiteral("MainStatusPanel"));
    // One panel of 150 pixels which, being the last, runs on to the right
    // edge, so that long hints are not cut off.
    FStatusPanel->setMinimumWidth(150);
    MainStatusBar->addWidget(FStatusPanel, 1);
}

QString TTombolixForm::StatusText() const
{
    return FStatusPanel->text();
}

void TTombolixForm::SetStatusText(const QString &text)
{
    FStatusPanel->setText(text);
}

void TTombolixForm::FormCreate()
{
    CouponColor = kCouponColour;
    // No other window exists yet: a failure is told once the window is up.
    FStartupErrors.Run([] { TRegOptions().InitDefaults(); });
}

void TTombolixForm::ReadShape(bool withDefaultsCheck, TErrorCollector &errors)
{
    TRegOptions store;
    bool defaultsWritten = false;
    if (withDefaultsCheck)
        errors.Run([&] { defaultsWritten = store.InitDefaults(); });
    if (defaultsWritten)
        return;
    // Each item on its own: a damaged item keeps its old value in the
    // working copy and does not stop the others from being read.
    uint8_t storedBoards = boards;
    uint8_t storedSize = boardsize;
    uint8_t storedMarks = marks;
    errors.Run([&] { storedBoards = store.GetBoards(); });
    errors.Run([&] { storedSize = store.GetBoardSize(); });
    errors.Run([&] { storedMarks = store.GetMarks(); });
    // A hand-edited store may hold counts the coupon cannot show; the
    // working copy keeps them within the coupon's limits.
    const TCouponShape shape = TCouponShape::Clamped(storedBoards, storedSize, storedMarks);
    boards = shape.boards;
    boardsize = shape.boardsize;
    marks = shape.marks;
    // A list that cannot be opened is left as it was; a copy with no
    // division on (the state before the first load) takes the defaults.
    if (std::ranges::none_of(divisions, [](uint8_t on) { return on != 0; }))
        std::ranges::copy(TGameSettings().divisions, divisions.begin());
    errors.Run([&] { store.GetDivisions(divisions); });
}

void TTombolixForm::SetColours()
{
    SetBackgroundColour(CoolBar1, kCoolBarColour);
    SetBackgroundColour(GamePanel, kGamePanelColour);
    SetBackgroundColour(StatsPanel, kStatsPanelColour);
    SetBackgroundColour(CoefficientsPanel, kCoefficientsColour);
}

void TTombolixForm::FormShow()
{
    TSettingsReading reading;
    // The window is always finished, whatever the store says: settings,
    // colours, the coupon; what went wrong is reported afterwards, each
    // problem once.
    TErrorCollector &errors = FStartupErrors;
    ReadShape(true, errors);
    SetColours();
    errors.Run([this] { DrawCoupon(); });
    if (errors.Empty())
        return;
    QMetaObject::invokeMethod(
        this, [this] { FStartupErrors.ReportAll(); }, Qt::QueuedConnection);
}

void TTombolixForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

void TTombolixForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // Closing the main window ends the program, even while other windows
    // are shown. Outside a running event loop there is nothing to end.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

bool TTombolixForm::event(QEvent *event)
{
    if (event->type() == TWindowMessage::EventType()) {
        auto &message = static_cast<TWindowMessage &>(*event);
        Guarded([&] {
            if (message.Msg == WM_SETTINGSCHANGED)
                WMSettingsChanged(message);
            else if (message.Msg == WM_SYSTEMSCHANGED)
                WMSystemsChanged(message);
        });
        return true;
    }
    if (event->type() == QEvent::StatusTip) {
        SetStatusText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

void TTombolixForm::WMSettingsChanged(TWindowMessage &message)
{
    TSettingsReading reading;
    TErrorCollector errors;
    ReadShape(false, errors);
    errors.Run([this] { DrawCoupon(); });
    message.Result = 1;
    errors.RethrowFirst();
}

void TTombolixForm::WMSystemsChanged(TWindowMessage &message)
{
    DrawCoupon();
    message.Result = 1;
}

// --- Coupon drawing ---------------------------------------------------------

void TTombolixForm::DrawCoupon()
{
    CouponImage->FillRect(0, 0, TCouponImage::kWidth, TCouponImage::kHeight, CouponColor);
    ClearCoupon();
    if (boards == 0)
        return;
    // The systems once for the whole redraw. When they cannot be read the
    // boards are drawn plain, so that the coupon is whole and usable, and
    // the failure goes on to be reported.
    TCouponSystems systems;
    std::exception_ptr failure;
    try {
        TSettingsReading reading;
        TRegOptions store;
        systems = TCouponSystems::Read(store);
    } catch (...) {
        failure = std::current_exception();
    }
    excludedCount = systems.ExcludedCount();
    DrawCouponCells(*CouponImage, ImagesForm->Atlas(), boards, boardsize, systems, FCoupon);
    if (failure)
        std::rethrow_exception(failure);
}

void TTombolixForm::ClearCoupon()
{
    FCoupon.Clear();
    for (int b = 1; b <= 12; ++b) {
        SetPunchCaption(b, -1);
        SetSpreadCaption(b, -1);
    }
    ClearWinLabels();
    ClearOddsLabels();
    ClearPayLabels();
}

// --- Marking ----------------------------------------------------------------

void TTombolixForm::CouponImageMouseDown(int x, int y)
{
    const auto hit = CouponHitTest(x, y);
    if (!hit)
        return;
    // One reading of the store for the click and what follows from it: the
    // exclusions, and for a board that fills or stops being full the
    // coefficients' switches and the payments.
    TSettingsReading reading;
    const TCouponShape shape{boards, boardsize, marks};
    const TClickResult result = FCoupon.Click(*hit, shape, [this](uint8_t n) {
        TRegOptions store;
        const TCouponSystems systems = TCouponSystems::ReadExclusions(store);
        excludedCount = systems.ExcludedCount();
        return systems.IsExcluded(n);
    });
    if (result == TClickResult::Ignored)
        return;

    const int bx = (hit->board - 1) % 6;
    const int by = (hit->board - 1) / 6;
    const int dx = kBoardPitch * bx + CellSize * (hit->column - 1);
    const int dy = kBoardPitch * by + CellSize * (hit->row - 1);
    const bool marked = result == TClickResult::Marked || result == TClickResult::MarkedFull;
    const int sx = (marked ? atlas::kMarkedX : atlas::kPlainX) + CellSize * (hit->column - 1);
    CouponImage->CopyRect(ImagesForm->Atlas(), sx, CellSize * (hit->row - 1), CellSize, CellSize, dx, dy);

    if (result == TClickResult::MarkedFull) {
        ShowPunch(hit->board);
        ShowSpread(hit->board);
        CalculateResults();
    } else if (result == TClickResult::UnmarkedFromFull) {
        ClearPunch(hit->board);
        ClearSpread(hit->board);
        CalculateResults();
    }
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
    DrawCoupon();
}

void TTombolixForm::SystemsActionExecute()
{
    emit systemsRequested();
}

void TTombolixForm::PrintActionExecute()
{
    const std::string text = ComposePrintText(FCoupon, marks);
    if (text.empty()) {
        emit messageRequested(QStringLiteral("Please fill at least one of the boards"));
        return;
    }
    // A failure of the printing system goes to the general error report,
    // and then no message says that printing is under way.
    PrintOnDefaultPrinter(QString::fromStdString(text), QString::fromLatin1(kPrintJobTitle));
    emit messageRequested(QStringLiteral("Printing the selected numbers..."));
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
