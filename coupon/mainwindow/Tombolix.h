#pragma once

#include "coupon/logic/CouponModel.h"
#include "coupon/logic/DrawCheck.h"
#include "coupon/logic/QuickPick.h"
#include "kit/ErrorReport.h"
#include "kit/WindowMessages.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QFrame;
class QImage;
class QLabel;
class TCouponKeyboard;
class TCouponView;
class TResultsPanel;

// The main window: the toolbar of ten commands, the coupon with its
// coefficient captions, the results panel and the status bar. It keeps the
// working copy of the game's shape; every other setting it reads from the
// store when it needs it.
class TTombolixForm : public QWidget {
    Q_OBJECT
public:
    // The coupon copies its cells from atlas, which outlives the window.
    explicit TTombolixForm(const QImage &atlas, QWidget *parent = nullptr);
    ~TTombolixForm() override;

    static constexpr uint8_t CellSize = kCellSize;

    // Working copy of the game shape, and what the coupon derives from it.
    uint8_t boards = TCouponShape{}.boards;
    uint8_t boardsize = TCouponShape{}.boardsize;
    uint8_t marks = TCouponShape{}.marks;
    std::array<uint8_t, 7> divisions{};
    // The exclusions' count as the last redraw or click read them.
    uint8_t excludedCount = 0;
    QRgb CouponColor = 0;

    const TCouponState &Coupon() const;

    // The coupon drawn anew, its marks, captions and results emptied; the
    // systems are read once (TCouponSystems).
    void DrawCoupon();
    void CouponImageMouseDown(int x, int y);

    // The results panel over the full boards, with the stored payments.
    void CalculateResults();

    // Quick pick: every board in use that is not full completed at random,
    // each as if clicked full, and the results once at the end. The
    // generator is seeded from std::random_device; SeedQuickPick gives it a
    // seed of the caller's.
    void FillBoards();
    void SeedQuickPick(uint64_t seed) { FRandom.seed(seed); }
    // A wheel played: the coupon drawn anew and the boards marked from the
    // first, each as if clicked full, with the results once at the end.
    // Refused, with the message box, while the inclusions system is on.
    void FillWheel(const std::vector<std::vector<int>> &wheel);

    // The full boards checked against a draw: the lines for the player, and
    // the drawn numbers ringed on the coupon; the draw is kept. A draw that
    // is not valid, or a coupon with no full board, gets the message box
    // and no lines.
    QStringList CheckDraw(const TDrawnNumbers &draw);
    // The rings taken off and the kept draw emptied.
    void ClearDraw();

    // The coupon's marks written to the store, and read back at start.
    void KeepCoupon();
    void RestoreCoupon();

    // Commands.
    void FormCloseActionExecute();
    void ShowOptionsActionExecute();
    void CalculateActionExecute();
    void ClearActionExecute();
    void SystemsActionExecute();
    void PrintActionExecute();
    void LuckActionExecute();
    void AboutActionExecute();
    void HelpActionExecute();
    void DrawActionExecute();
    void HistoryActionExecute();

    // The commands, named as their objectName.
    QAction *FormCloseAction = nullptr;
    QAction *ShowOptionsAction = nullptr;
    QAction *CalculateAction = nullptr;
    QAction *ClearAction = nullptr;
    QAction *SystemsAction = nullptr;
    QAction *PrintAction = nullptr;
    QAction *LuckAction = nullptr;
    QAction *AboutAction = nullptr;
    QAction *HelpAction = nullptr;
    QAction *DrawAction = nullptr;
    QAction *HistoryAction = nullptr;

signals:
    // The commands that open the other windows. The main window does not
    // know them; the program connects these to them.
    void optionsRequested();
    void systemsRequested();
    void luckRequested();
    void aboutRequested();
    void helpRequested();
    void drawRequested();
    void historyRequested();
    // The coupon was drawn anew, or a board filled or stopped being full.
    void couponChanged();
    // The game's shape changed (Preferences were accepted).
    void shapeChanged();
    void messageRequested(const QString &text);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void WMSettingsChanged(TWindowMessage &message);
    void WMSystemsChanged(TWindowMessage &message);

    // The status bar's panel shows the long hints, also those that other
    // windows send here as status tips.
    void SetStatusText(const QString &text);
    void CreateCommands();
    void CreateToolbar();
    void ReadShape(bool withDefaultsCheck, TErrorCollector &errors);
    void SetColours();
    // What shows the coupon, told of its every change by the model.
    void ObserveCoupon();
    // A full board's coefficients, each while its switch is on.
    void ShowCoefficients(uint8_t board);
    TCouponShape Shape() const { return {boards, boardsize, marks}; }

    // Controls, named as their objectName.
    QFrame *CoolBar1 = nullptr;
    QFrame *GamePanel = nullptr;
    QFrame *CoefficientsPanel = nullptr;
    TResultsPanel *StatsPanel = nullptr;
    QLabel *FStatusPanel = nullptr;
    TCouponModel FModel;
    std::unique_ptr<TCouponView> FView;
    TCouponKeyboard *FKeyboard = nullptr; // a child of the coupon's picture

    TErrorCollector FStartupErrors;
    TQuickPickRandom FRandom;
    bool FRestored = false;   // the kept coupon is read back at the first showing alone
    bool FKeepFailed = false; // a failure to keep the coupon is told once
    bool FKeeping = true;     // the coupon is kept at each change of its full boards
};

extern TTombolixForm *TombolixForm;
