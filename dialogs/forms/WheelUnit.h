#pragma once

#include "wheels/Wheel.h"

#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Wheels: the player's numbers spread over the boards in use with a
// guarantee the program proves, and what the wheel does in every draw.
// Modeless and on top like the Draw window; the main window fills the
// coupon through OnFill.
class TWheelForm : public QWidget {
    Q_OBJECT
public:
    explicit TWheelForm(QWidget *parent = nullptr);

    // The main window's side: the game, the boards in use, the excluded
    // numbers (by number), whether the inclusions system is on and whether
    // the coupon holds marks.
    struct TGame {
        int marks = 6;
        int boardsize = 49;
        int boards = 12;
        std::vector<bool> excluded;
        bool inclusions = false;
        bool marked = false;
    };
    std::function<TGame()> OnGame;
    // The wheel's boards, as the player's numbers, onto the coupon.
    std::function<void(const std::vector<std::vector<int>> &boards)> OnFill;

    void FormShow();
    // The guarantees for the numbers typed, and the chosen one's figures.
    void ReadNumbers();
    void ShowGuarantee();
    void FillBitBtnClick();
    void CloseBitBtnClick();

    QLabel *WheelNumbersLabel = nullptr;
    QLineEdit *WheelNumbersEdit = nullptr;
    QLabel *WheelGuaranteeCaption = nullptr;
    QComboBox *WheelGuaranteeBox = nullptr;
    QLabel *WheelGuaranteeLabel = nullptr;
    QLabel *WheelCoverageLabel = nullptr;
    QTableWidget *WheelCoverageTable = nullptr;
    QPushButton *WheelFillBitBtn = nullptr;
    QPushButton *CloseBitBtn = nullptr;

private:
    void Build();
    void Message(const QString &text);

    TGame FGame;
    wheels::TNumbersRead FNumbers;
    std::vector<wheels::TWheel> FWheels; // as the guarantee box lists them
};

extern TWheelForm *WheelForm;
