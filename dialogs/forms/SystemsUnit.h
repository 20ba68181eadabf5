#pragma once

#include "settings/RegistryUnit.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QStyle;
class QFrame;
class QLabel;
class QPushButton;

// The Systems window: the excluded and included numbers, whether each
// system is played, and the two estimation switches. Modeless and on top;
// Accept and Cancel only hide it.
class TSystemsForm : public QWidget {
    Q_OBJECT
public:
    // Accept tells mainWindow of the change through its window message, and
    // the long hints go to its status bar.
    explicit TSystemsForm(QWidget *mainWindow);

    void FormShow();
    void ExclusionsCheckBoxClick();
    void InclusionsCheckBoxClick();
    void ExcludeChange(int n, int index); // Exclude1Change..Exclude10Change
    void IncludeChange(int n, int index); // Include1Change..Include4Change
    void CloseBitBtnClick();
    void CancelBitBtnClick();

    // Controls, named as their objectName.
    QFrame *Bevel1 = nullptr;
    QCheckBox *ExclusionsCheckBox = nullptr;
    QFrame *ExclusionsPanel = nullptr;
    QLabel *Label1 = nullptr;
    std::array<QComboBox *, 10> ExcludeLists{}; // Exclude1..Exclude10
    QCheckBox *InclusionsCheckBox = nullptr;
    QFrame *InclusionsPanel = nullptr;
    QLabel *Label2 = nullptr;
    std::array<QComboBox *, 4> IncludeLists{}; // Include1..Include4
    QFrame *Panel2 = nullptr;
    QCheckBox *SumsCheckBox = nullptr;
    QCheckBox *StDevCheckBox = nullptr;
    QPushButton *CloseBitBtn = nullptr;
    QPushButton *CancelBitBtn = nullptr;

protected:
    bool event(QEvent *event) override;

private:
    void CreateControls();
    void UpdateExclusionsPanel();
    void UpdateInclusionsPanel();

    QWidget *FMainWindow;
    TGameSettings FWorking;
    QStyle *FStyle = nullptr; // the lists' and check boxes', owned by the window
};

extern TSystemsForm *SystemsForm;
