#pragma once

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TMaskedNumberEdit;
struct TPreferencesControls;

// The Preferences window: the coupon's shape, the prize divisions and what
// each pays. Modeless and on top; Accept and Cancel only hide it.
class TPreferencesForm : public QWidget {
    Q_OBJECT
public:
    // Accept tells mainWindow of the change through its window message.
    explicit TPreferencesForm(QWidget *mainWindow);

    void FormShow();
    void MarksRadioGroupClick();
    void CloseBitBtnClick();
    void CancelBitBtnClick();

    // Controls, named as their objectName.
    QFrame *Bevel1 = nullptr;
    QFrame *Bevel2 = nullptr;
    QLabel *BoardTitleLabel = nullptr;
    QLabel *NoOfBoardsLabel = nullptr;
    QComboBox *BoardsComboBox = nullptr;
    QLabel *NoOfCellsLabel = nullptr;
    QComboBox *CellsComboBox = nullptr;
    QGroupBox *MarksRadioGroup = nullptr;
    QLabel *DivisionsLabel = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    std::array<QCheckBox *, 7> DivCheckBoxes{};        // Div1CheckBox..Div7CheckBox
    std::array<QLabel *, 7> DivisionLabels{};          // Label1, Label4..Label9
    std::array<QLabel *, 7> WinningLabels{};           // Label10..Label16
    std::array<TMaskedNumberEdit *, 7> PayMaskEdits{}; // Pay1MaskEdit..Pay7MaskEdit
    QPushButton *CloseBitBtn = nullptr;
    QPushButton *CancelBitBtn = nullptr;

private:
    void CreateControls();
    // The selected item of MarksRadioGroup: 0 "5 balls", 1 "6 balls".
    int MarksItemIndex() const;
    void SetMarksItemIndex(int index);
    TPreferencesControls ReadControls() const;

    QWidget *FMainWindow;
    QButtonGroup *FMarksItems = nullptr;
    std::array<QRadioButton *, 2> FMarksButtons{};
};

extern TPreferencesForm *PreferencesForm;
