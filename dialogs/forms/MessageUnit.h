#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

// The program's own message box: modeless, on top, reused for every
// message, hidden only by its Close button.
class TMessageForm : public QWidget {
    Q_OBJECT
public:
    explicit TMessageForm(QWidget *parent = nullptr);

    void ShowText(const QString &text);
    void CloseBitBtnClick();

    QFrame *Panel1 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *MessageLabel = nullptr;
    QPushButton *CloseBitBtn = nullptr;
};

extern TMessageForm *MessageForm;
