#pragma once

#include <QWidget>

class QPushButton;
class QTextEdit;

// The program's purpose and its author, with buttons that open the two web
// sites in the default browser. Modeless, on top, hidden only by its Close
// button.
class TAboutForm : public QWidget {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    void FormShow();
    void VisitLottoBitBtnClick();
    void VisitVeilmarkBitBtnClick();
    void CloseBitBtnClick();

    QTextEdit *AboutRichEdit = nullptr;
    QPushButton *VisitLottoBitBtn = nullptr;
    QPushButton *VisitVeilmarkBitBtn = nullptr;
    QPushButton *CloseBitBtn = nullptr;
};

extern TAboutForm *AboutForm;
