#pragma once

#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

class QPushButton;
class QTextEdit;

// Usage notes: a read-only page whose headings are picked out in bold colour
// each time the window is shown. Modeless, on top, hidden only by its Close
// button.
class THelpForm : public QWidget {
    Q_OBJECT
public:
    explicit THelpForm(QWidget *parent = nullptr);
    ~THelpForm() override;

    void FormCreate();
    void FormShow();
    void FormDestroy();
    void CloseBitBtnClick();

    QTextEdit *HelpRichEdit = nullptr;
    QPushButton *CloseBitBtn = nullptr;

private:
    // Bold blue, then bold green; each phrase's first occurrence is its
    // heading.
    std::vector<std::u16string> FCommandHeadings;
    std::vector<std::u16string> FTopicHeadings;
};

extern THelpForm *HelpForm;
