#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
struct THistoryDraw;

// The lottery's past draws: brought in from a results file or a pasted
// table, kept between runs, the coupon's full boards checked against all of
// them beside what a fair draw leads one to expect, and how often each
// number was drawn with a test of a fair draw. Modeless and resizable; the
// chart grows with the window.
class THistoryForm : public QWidget {
    Q_OBJECT
public:
    explicit THistoryForm(QWidget *parent = nullptr);
    ~THistoryForm() override;

    // The main window's side: the game, the coupon's full boards, the
    // divisions that are on and their payments.
    struct TCoupon {
        int marks = 6;
        int boardsize = 49;
        std::vector<std::vector<uint8_t>> boards;
        std::array<bool, 7> on{};
        std::array<int64_t, 7> payments{};
    };
    std::function<TCoupon()> OnCoupon;
    // A draw of the list put into the Draw window and checked there: the
    // main numbers and the bonus ball (0 for none).
    std::function<void(const std::array<int, 7> &draw)> OnCheckDraw;

    void FormShow();
    void ImportBitBtnClick();
    void PasteBitBtnClick();
    void ClearHistoryBitBtnClick();
    void CloseBitBtnClick();

    // Text read as draws of the game and merged into the history, all or
    // nothing: where a line is at fault the message names the first ones
    // and nothing changes. True when the text was taken.
    bool ImportText(const QByteArray &text);
    // The game's history read again (after a change of game), and the
    // figures shown anew (after a change of the coupon).
    void ReadShape();
    void ShowFigures();

    const std::vector<THistoryDraw> &Draws() const { return FDraws; }

    QPushButton *ImportBitBtn = nullptr;
    QPushButton *PasteBitBtn = nullptr;
    QPushButton *ClearHistoryBitBtn = nullptr;
    QTableWidget *DrawsTable = nullptr;
    QPlainTextEdit *HistoryResultsMemo = nullptr;
    QWidget *FrequencyChartView = nullptr; // how often each number was drawn
    QLabel *FairnessLabel = nullptr;
    QLabel *NoPredictionLabel = nullptr;
    QPushButton *CloseBitBtn = nullptr;

private:
    void Build();
    void ShowDraws();
    void ShowChart();
    void Message(const QString &text);
    void CheckRow(int row);

    int FMarks = 0;
    int FBoardsize = 0;
    std::vector<THistoryDraw> FDraws;
};

extern THistoryForm *HistoryForm;
