#include "coupon/mainwindow/Tombolix.h"
#include "calc/CalculationsUnit.h"
#include "coupon/logic/CouponSystems.h"
#include "coupon/logic/KeptCoupon.h"
#include "coupon/logic/PrintText.h"
#include "coupon/mainwindow/CouponAccessible.h"
#include "coupon/mainwindow/CouponImage.h"
#include "coupon/mainwindow/CouponKeyboard.h"
#include "coupon/mainwindow/CouponView.h"
#include "coupon/mainwindow/MainToolbar.h"
#include "coupon/mainwindow/Printing.h"
#include "coupon/mainwindow/ResultsPanel.h"
#include "kit/ErrorReport.h"
#include "kit/HintText.h"
#include "kit/WindowLayout.h"
#include "settings/RegistryUnit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QStatusBar>
#include <QThread>

#include <algorithm>
#include <exception>
#include <random>
#include <utility>
#include <vector>

TTombolixForm *TombolixForm = nullptr;

namespace {

// Fixed layout of the window, in pixels relative to the parent.
constexpr TPlace kGamePanel = {"GamePanel", 0, 87, 773, 259};
constexpr TPlace kCoefficientsPanel = {"CoefficientsPanel", 0, 345, 773, 91};
constexpr TPlace kStatusBar = {"MainStatusBar", 0, 625, 773, 22};

constexpr QRgb kWindowColour = 0xFFA6CAF0;
constexpr QRgb kCoolBarColour = kCommonBackground;
constexpr QRgb kGamePanelColour = 0xFFDC78D2;
constexpr QRgb kStatsPanelColour = kCommonBackground;
constexpr QRgb kCoefficientsColour = 0xFFDEC2C2;
constexpr QRgb kCouponColour = 0xFFDEBED7;

QFont WindowFont(int pixels)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

TTombolixForm::TTombolixForm(const QImage &atlas, QWidget *parent)
    : QWidget(parent)
    , FRandom(std::random_device{}())
{
    SetUpWindow(this,
                {.name = "TombolixForm",
                 .title = "Drawvane",
                 .size = QSize(773, 647),
                 .font = WindowFont(16),
                 .flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                     | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint,
                 .colour = kWindowColour});

    CreateCommands();
    CreateToolbar();
    GamePanel = Place(new QFrame(this), kGamePanel);
    CoefficientsPanel = Place(new QFrame(this), kCoefficientsPanel);
    FView = std::make_unique<TCouponView>(GamePanel, CoefficientsPanel, atlas, FModel);
    TCouponImage *image = FView->Image();
    image->OnMouseDown = Guard([this](int x, int y) { CouponImageMouseDown(x, y); });
    couponaccess::Install(image, &FModel);
    StatsPanel = new TResultsPanel(this);
    ObserveCoupon();
    FKeyboard = new TCouponKeyboard(image, FModel);

    auto *statusBar = Place(new QStatusBar(this), kStatusBar);
    statusBar->setSizeGripEnabled(false);
    FStatusPanel = new QLabel(tr("Save All"), statusBar);
    FStatusPanel->setObjectName(QStringLiteral("MainStatusPanel"));
    // One panel of 150 pixels which, being the last, runs on to the right
    // edge, so that long hints are not cut off.
    FStatusPanel->setMinimumWidth(150);
    statusBar->addWidget(FStatusPanel, 1);

    CentreOnScreen(this);
    CallOnShow(this, [this] { FormShow(); });
    Guarded([this] { FormCreate(); });
}

TTombolixForm::~TTombolixForm() = default;

const TCouponState &TTombolixForm::Coupon() const
{
    return FModel.Coupon();
}

void TTombolixForm::ObserveCoupon()
{
    using TKind = TCouponChange::TKind;
    TCouponView *view = FView.get();
    TCouponImage *image = view->Image();
    FModel.Observe([view](const TCouponChange &change) { view->Changed(change); });
    FModel.Observe([image](const TCouponChange &change) { couponaccess::Changed(image, change); });
    // A redraw may leave the keyboard's cell off a smaller board.
    FModel.Observe([this](const TCouponChange &change) {
        if (change.kind == TKind::Coupon)
            FKeyboard->MoveTo(FKeyboard->Cursor().Board(), FKeyboard->Cursor().Number());
    });
    FModel.Observe([this](const TCouponChange &change) {
        if (change.kind == TKind::Coupon) {
            StatsPanel->ClearWinLabels();
            StatsPanel->ClearOddsLabels();
            StatsPanel->ClearPayLabels();
        } else if (change.kind == TKind::FullBoards) {
            CalculateResults();
        }
    });
    FModel.Observe([this](const TCouponChange &change) {
        if (change.kind == TKind::Coupon || change.kind == TKind::FullBoards)
            emit couponChanged();
    });
    // Last, since a store that cannot be written throws.
    FModel.Observe([this](const TCouponChange &change) {
        if ((change.kind == TKind::Coupon || change.kind == TKind::FullBoards) && FKeeping)
            KeepCoupon();
    });
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
    // The coupon kept from the last run is read back, not overwritten by
    // the redraw before it.
    const bool keeping = std::exchange(FKeeping, false);
    errors.Run([this] { DrawCoupon(); });
    if (!std::exchange(FRestored, true))
        errors.Run([this] { RestoreCoupon(); });
    FKeeping = keeping;
    if (errors.Empty())
        return;
    QMetaObject::invokeMethod(
        this, [this] { FStartupErrors.ReportAll(); }, Qt::QueuedConnection);
}

void TTombolixForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Guarded([this] { KeepCoupon(); });
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
    emit shapeChanged();
    errors.RethrowFirst();
}

void TTombolixForm::WMSystemsChanged(TWindowMessage &message)
{
    TSettingsReading reading;
    TErrorCollector errors;
    errors.Run([this] { DrawCoupon(); });
    message.Result = 1;
    errors.RethrowFirst();
}

// --- The coupon -------------------------------------------------------------

void TTombolixForm::DrawCoupon()
{
    // The systems once for the whole redraw. When they cannot be read the
    // boards are drawn plain, so that the coupon is whole and usable, and
    // the failure goes on to be reported.
    TCouponSystems systems;
    std::exception_ptr failure;
    if (boards != 0) {
        try {
            TSettingsReading reading;
            TRegOptions store;
            systems = TCouponSystems::Read(store);
        } catch (...) {
            failure = std::current_exception();
        }
        excludedCount = systems.ExcludedCount(boardsize);
    }
    FView->SetBackground(CouponColor);
    try {
        FModel.Reset(Shape(), systems);
    } catch (...) {
        // Of two failures, the systems' is told: the coupon's keeping is
        // tried again at its next change.
        if (!failure)
            throw;
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TTombolixForm::CouponImageMouseDown(int x, int y)
{
    const auto hit = CouponHitTest(x, y);
    if (!hit)
        return;
    // One reading of the store for the click and what follows from it: the
    // exclusions, and for a board that fills or stops being full the
    // coefficients' switches and the payments.
    TSettingsReading reading;
    FModel.Batch([&] {
        const TClickResult result = FModel.Click(*hit, [this](uint8_t n) {
            TRegOptions store;
            const TCouponSystems systems = TCouponSystems::ReadExclusions(store);
            excludedCount = systems.ExcludedCount(boardsize);
            return systems.IsExcluded(n);
        });
        if (result == TClickResult::MarkedFull)
            ShowCoefficients(hit->board);
    });
}

void TTombolixForm::FillBoards()
{
    TSettingsReading reading;
    TRegOptions store;
    const TCouponSystems systems = TCouponSystems::ReadExclusions(store);
    excludedCount = systems.ExcludedCount(boardsize);
    const auto isExcluded = [&](uint8_t n) { return systems.IsExcluded(n); };
    const std::vector<TBoardPick> picks = QuickPick(Coupon(), Shape(), isExcluded, FRandom);
    if (picks.empty()) {
        emit messageRequested(tr("Every board is already full"));
        return;
    }
    FModel.Batch([&] {
        for (const TBoardPick &pick : picks) {
            for (const uint8_t n : pick.numbers)
                FModel.Click(HitOf(pick.board, n), isExcluded);
            if (Coupon().IsFull(pick.board, marks))
                ShowCoefficients(pick.board);
        }
    });
}

void TTombolixForm::FillWheel(const std::vector<std::vector<int>> &wheel)
{
    TSettingsReading reading;
    TRegOptions store;
    if (store.GetPlayInclude()) {
        emit messageRequested(tr("Turn the inclusions system off to play a wheel"));
        return;
    }
    FModel.Batch([&] {
        DrawCoupon();
        const auto isExcluded = [this](uint8_t n) { return FModel.IsExcluded(n); };
        for (size_t b = 0; b < wheel.size() && b < static_cast<size_t>(boards); ++b) {
            const auto board = static_cast<uint8_t>(b + 1);
            for (const int n : wheel[b])
                FModel.Click(HitOf(board, static_cast<uint8_t>(n)), isExcluded);
            if (Coupon().IsFull(board, marks))
                ShowCoefficients(board);
        }
    });
}

void TTombolixForm::KeepCoupon()
{
    TSettingsReading reading;
    TRegOptions store;
    const TKeptCoupon coupon = ::KeepCoupon(Coupon());
    // A coupon kept already is not written again: a redraw that changes
    // nothing leaves the file alone.
    if (store.GetCoupon() == coupon)
        return;
    try {
        store.SetCoupon(coupon);
    } catch (const TRegistryError &error) {
        // A store that cannot be written would say so at every full board;
        // once is enough.
        if (!std::exchange(FKeepFailed, true))
            throw TRegistryError(tr("The coupon could not be kept for the next start (%1)")
                                     .arg(QString::fromUtf8(error.what()))
                                     .toStdString());
    }
}

void TTombolixForm::RestoreCoupon()
{
    TSettingsReading reading;
    const auto isExcluded = [this](uint8_t n) { return FModel.IsExcluded(n); };
    const auto restorable = RestorableMarks(TRegOptions().GetCoupon(), Coupon(), Shape(), isExcluded);
    FModel.Batch([&] {
        for (int b = 1; b <= kMaxBoards; ++b) {
            for (const uint8_t n : restorable[b - 1])
                FModel.Click(HitOf(b, n), isExcluded);
            if (!restorable[b - 1].empty() && Coupon().IsFull(b, marks))
                ShowCoefficients(static_cast<uint8_t>(b));
        }
    });
}

QStringList TTombolixForm::CheckDraw(const TDrawnNumbers &draw)
{
    FModel.ClearRings();
    if (!IsValidDraw(draw, marks, boardsize)) {
        emit messageRequested(QString::fromStdString(InvalidDrawMessage(marks, boardsize)));
        return {};
    }
    if (Coupon().FullBoardCount(marks) == 0) {
        emit messageRequested(tr("Please fill at least one of the boards"));
        return {};
    }
    TSettingsReading reading;
    TRegOptions store;
    TPayments payments{};
    // Payments the store cannot open stay 0, as in the results panel.
    store.GetPayments(payments);
    const std::vector<TBoardWin> wins = ::CheckDraw(Coupon(), Shape(), draw, divisions);
    for (const TBoardWin &win : wins) {
        uint64_t drawn = 0;
        for (int n = 1; n <= boardsize; ++n)
            if (Coupon().Marked(win.board, n) && IsDrawn(draw, marks, n))
                drawn |= uint64_t{1} << n;
        FModel.SetRings(win.board, drawn);
    }
    QStringList lines;
    for (const std::string &line : DrawResultLines(wins, payments))
        lines.append(QString::fromStdString(line));
    // The lines are shown whether or not the draw could be kept; a store
    // that cannot be written says so once they are.
    TDrawnNumbers kept = draw;
    std::fill(kept.begin() + marks, kept.begin() + 6, uint8_t{0});
    try {
        store.SetDraw(kept);
    } catch (const TRegistryError &error) {
        const QString text = QString::fromUtf8(error.what());
        QMetaObject::invokeMethod(
            this, [text] { ShowErrorReport(text); }, Qt::QueuedConnection);
    }
    return lines;
}

void TTombolixForm::ClearDraw()
{
    FModel.ClearRings();
    TRegOptions().SetDraw({});
}

// --- Coefficients and results -------------------------------------------------

void TTombolixForm::ShowCoefficients(uint8_t board)
{
    int punch = -1;
    if (TRegOptions().GetPlaySums()) {
        int32_t sum = 0;
        for (int n = 1; n <= boardsize; ++n)
            if (Coupon().Marked(board, n))
                sum += n;
        punch = TLottoCalc().PunchCoefficient(sum, marks, boardsize);
    }
    int spread = -1;
    if (TRegOptions().GetPlayStdev())
        spread = TLottoCalc().SpreadCoefficient(Coupon().Flags(board), marks, boardsize);
    FModel.SetCoefficients(board, punch, spread);
}

void TTombolixForm::CalculateResults()
{
    StatsPanel->CalculateResults(Coupon(), Shape(), divisions, excludedCount, [] {
        // Payments the store cannot open stay 0.
        TPayments payments{};
        TRegOptions().GetPayments(payments);
        return payments;
    });
}
