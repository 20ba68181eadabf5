#pragma once

#include "coupon/CouponState.h"
#include "coupon/ErrorReport.h"

#include <QEvent>
#include <QWidget>

#include <array>
#include <cstdint>

class QAction;
class QFrame;
class QLabel;
class QStatusBar;
class QToolButton;
class TCouponImage;

// Private window messages of the main window: the dialogs send them
// synchronously after they have written the store.
inline constexpr int WM_USER = 0x400;
inline constexpr int WM_SETTINGSCHANGED = WM_USER + 1;
inline constexpr int WM_SYSTEMSCHANGED = WM_USER + 2;

class TWindowMessage : public QEvent {
public:
    static QEvent::Type EventType();
    TWindowMessage(int msg, intptr_t wParam, intptr_t lParam)
        : QEvent(EventType())
        , Msg(msg)
        , WParam(wParam)
        , LParam(lParam)
    {
    }
    int Msg;
    intptr_t WParam;
    intptr_t LParam;
    intptr_t Result = 0;
};

// Sends a message to the main window and returns its result once handled.
intptr_t SendFormMessage(QWidget *form, int msg, intptr_t wParam = 1, intptr_t lParam = 4);

// The main window: toolbar, coupon, coefficient captions, results panel and
// status bar.
class TTombolixForm : public QWidget {
    Q_OBJECT
public:
    explicit TTombolixForm(QWidget *parent = nullptr);

    static constexpr uint8_t CellSize = kCellSize;

    // Working copy of the game shape, and what the coupon derives from it.
    uint8_t boards = TCouponShape{}.boards;
    uint8_t boardsize = TCouponShape{}.boardsize;
    uint8_t marks = TCouponShape{}.marks;
    std::array<uint8_t, 7> divisions{};
    uint8_t excludedCount = 0;
    QRgb CouponColor = 0;

    const TCouponState &Coupon() const { return FCoupon; }

    // Coupon drawing. The systems are read once per redraw and once per
    // click (TCouponSystems); excludedCount is the exclusions' count as the
    // last of them read it.
    void DrawCoupon();
    void ClearCoupon();
    void CouponImageMouseDown(int x, int y);

    // Per-board coefficients.
    void ShowPunch(uint8_t board);
    void ShowSpread(uint8_t board);
    void ClearPunch(uint8_t board);
    void ClearSpread(uint8_t board);
    void SetPunchCaption(int board, int value);
    void SetSpreadCaption(int board, int value);

    // Results panel.
    void CalculateResults();
    void ShowOdds();
    void ShowReturns();
    uint8_t FullBoardCount() const;
    uint8_t CommonNumbers(int a, int b) const;
    void ClearWinLabels();
    void ClearOddsLabels();
    void ClearPayLabels();

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

    // Labels of the window size themselves to their text.
    static void SetLabelText(QLabel *label, const QString &text);

    // Text of the status bar's panel; other windows forward their long
    // hints here.
    QString StatusText() const;
    void SetStatusText(const QString &text);

    // Controls, named as their objectName.
    QFrame *CoolBar1 = nullptr;
    QWidget *ToolBar1 = nullptr;
    QToolButton *PrefBitBtn = nullptr;
    QToolButton *SystemsBitBtn = nullptr;
    QToolButton *ClearBitBtn = nullptr;
    QToolButton *PrintBitBtn = nullptr;
    QToolButton *LuckBitBtn = nullptr;
    QToolButton *CalculateBitBtn = nullptr;
    QToolButton *AboutBitBtn = nullptr;
    QWidget *Bevel1 = nullptr;
    QToolButton *ExitBitBtn = nullptr;
    QFrame *GamePanel = nullptr;
    TCouponImage *CouponImage = nullptr;
    QFrame *CoefficientsPanel = nullptr;
    std::array<QLabel *, 12> PunchLabels{};  // p1..p12
    std::array<QLabel *, 12> SpreadLabels{}; // s1..s12
    QFrame *StatsPanel = nullptr;
    std::array<QLabel *, 8> WinLabels{};  // WinDiv1Label..WinDiv7Label, TotalWinProbability
    std::array<QLabel *, 8> OddsLabels{}; // Odds1Label..Odds7Label, OddsTotalLabel
    std::array<QLabel *, 8> PayLabels{};  // Pay1Label..Pay7Label, PayTotalLabel
    QLabel *LogoImage = nullptr;
    QStatusBar *MainStatusBar = nullptr;

    QAction *FormCloseAction = nullptr;
    QAction *ShowOptionsAction = nullptr;
    QAction *CalculateAction = nullptr;
    QAction *ClearAction = nullptr;
    QAction *SystemsAction = nullptr;
    QAction *PrintAction = nullptr;
    QAction *LuckAction = nullptr;
    QAction *AboutAction = nullptr;
    QAction *HelpAction = nullptr;

signals:
    // The commands that open the other windows. The main window does not
    // know them; the program connects these to them.
    void optionsRequested();
    void systemsRequested();
    void luckRequested();
    void aboutRequested();
    void helpRequested();
    void messageRequested(const QString &text);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void WMSettingsChanged(TWindowMessage &message);
    void WMSystemsChanged(TWindowMessage &message);

    void CreateToolbar();
    void CreatePanels();
    void ReadShape(bool withDefaultsCheck, TErrorCollector &errors);
    void SetColours();

    TCouponState FCoupon;
    TErrorCollector FStartupErrors;
    QLabel *FStatusPanel = nullptr;
};

extern TTombolixForm *TombolixForm;
