#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// Quick pick and the check of a draw. Modeless, on top, hidden by its Close
// button or Escape. The window does neither itself: the main window, which
// holds the coupon, does them through the hooks the program sets.
class TDrawForm : public QWidget {
    Q_OBJECT
public:
    explicit TDrawForm(QWidget *parent = nullptr);

    void FormShow();
    void FillBitBtnClick();
    void CheckBitBtnClick();
    void ClearDrawBitBtnClick();
    void CloseBitBtnClick();
    // A draw put into the fields and checked, as if typed: the six main
    // numbers (0 for the sixth of a five-number game) and the bonus ball.
    void CheckDraw(const std::array<int, 7> &draw);

    // The game's marks and board size, from the main window: the fields
    // shown and the numbers they take.
    void ReadShape();

    // The main window's side. OnCheck takes the six main numbers and the
    // bonus ball (0 for a field left empty) and gives the lines to show,
    // none when it told the player why not.
    struct TShape {
        int marks;
        int boardsize;
    };
    std::function<TShape()> OnShape;
    std::function<void()> OnFill;
    std::function<QStringList(const std::array<int, 7> &draw)> OnCheck;
    std::function<void()> OnClearDraw;
    // The draw kept from the last check, put in the fields at the first
    // showing.
    std::function<std::array<int, 7>()> OnKeptDraw;
    // The History window asked for.
    std::function<void()> OnHistory;
    // The Wheel window asked for.
    std::function<void()> OnWheel;

    QGroupBox *QuickPickGroupBox = nullptr;
    QPushButton *FillBitBtn = nullptr;
    QPushButton *WheelBitBtn = nullptr;
    QGroupBox *DrawGroupBox = nullptr;
    QLabel *MainNumbersLabel = nullptr;
    std::array<QSpinBox *, 6> MainSpinBoxes{}; // Main1SpinBox .. Main6SpinBox
    QLabel *BonusBallLabel = nullptr;
    QSpinBox *BonusSpinBox = nullptr;
    QPushButton *CheckBitBtn = nullptr;
    QPushButton *ClearDrawBitBtn = nullptr;
    QPushButton *HistoryBitBtn = nullptr;
    QPlainTextEdit *DrawResultsMemo = nullptr;
    QPushButton *CloseBitBtn = nullptr;

private:
    std::array<QSpinBox *, 7> Fields() const;
    bool FKeptDrawShown = false;
};

extern TDrawForm *DrawForm;
