#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;
class TMaskedNumberEdit;

// The appeal for donations: an amount in whole US dollars and a Donate
// button that opens the PayPal payment page for it. Modeless, on top,
// hidden only by its Close button. The amount stays in its field between
// showings for the life of the program.
class TLuckForm : public QWidget {
    Q_OBJECT
public:
    explicit TLuckForm(QWidget *parent = nullptr);

    void FormShow();
    void DonateBitBtnClick();
    void CloseBitBtnClick();

    QFrame *Panel1 = nullptr;
    QTextEdit *Memo1 = nullptr;
    QLabel *Label1 = nullptr;
    TMaskedNumberEdit *DonationMaskEdit = nullptr;
    QPushButton *DonateBitBtn = nullptr;
    QPushButton *CloseBitBtn = nullptr;
};

extern TLuckForm *LuckForm;
