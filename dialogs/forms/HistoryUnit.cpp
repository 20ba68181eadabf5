#include "dialogs/forms/HistoryUnit.h"
#include "dialogs/forms/DialogSetup.h"
#include "dialogs/forms/FrequencyChart.h"
#include "dialogs/forms/HistoryStore.h"
#include "history/Frequency.h"
#include "history/HistoryCheck.h"
#include "kit/ErrorReport.h"
#include "kit/KeyboardAccess.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

THistoryForm *HistoryForm = nullptr;

namespace {

// Room for the list of draws, the figures of twelve boards' seven
// divisions, and a chart in which 49 bars can be told apart; the smallest
// fits a 1366 x 768 laptop screen at 125 %. It opens larger where the
// screen has room.
constexpr QSize kMinimumSize(860, 560);
constexpr QSize kOpeningSize(960, 680);
constexpr int kDrawsTableWidth = 340;
// Nine lines: the draws, seven divisions and the prizes.
constexpr int kResultsLines = 9;
// The import names this many of the lines at fault.
constexpr size_t kErrorsShown = 5;

QPushButton *MakeButton(QWidget *parent, const char *name, const char *caption)
{
    auto *button = new QPushButton(UiText(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setMinimumSize(130, 36);
    return button;
}

QString MainNumbers(const THistoryDraw &draw)
{
    QStringList numbers;
    for (const uint8_t n : draw.numbers)
        numbers.append(QString::number(n));
    return numbers.join(QLatin1Char(' '));
}

} // namespace

THistoryForm::THistoryForm(QWidget *parent)
    : QWidget(parent)
{
    SetUpDialog(this,
                {.name = "HistoryForm",
                 .title = QT_TRANSLATE_NOOP("Drawvane", "Drawvane History"),
                 .size = kMinimumSize,
                 .font = DialogFont()});
    // It may be made larger; the chart takes what it gains. Its layout
    // fits it to its size, so it needs no page that scrolls inside it.
    setMinimumSize(kMinimumSize);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setProperty(kDesignedSizeProperty, QVariant());
    resize(kOpeningSize);
    BuildOnFirstShowing(this, [this] { Build(); });
    // Enter on a draw of the list checks it; no button stands for Enter.
    SetWindowKeys(
        this, [] { return nullptr; }, [this] { return CloseBitBtn; });
    CallOnShow(this, [this] { FormShow(); });
}

THistoryForm::~THistoryForm() = default;

void THistoryForm::Build()
{
    ImportBitBtn = MakeButton(this, "ImportBitBtn", QT_TRANSLATE_NOOP("Drawvane", "Import..."));
    PasteBitBtn = MakeButton(this, "PasteBitBtn", QT_TRANSLATE_NOOP("Drawvane", "Paste"));
    ClearHistoryBitBtn = MakeButton(this, "ClearHistoryBitBtn", QT_TRANSLATE_NOOP("Drawvane", "Clear History"));
    CloseBitBtn = MakeGlyphButton(this, {"CloseBitBtn", 0, 0, 106, 56}, UiText(QT_TRANSLATE_NOOP("Drawvane", "Close")),
                                  QStringLiteral(":/glyphs/close.png"));
    CloseBitBtn->setFixedSize(106, 56);

    DrawsTable = new QTableWidget(0, 3, this);
    DrawsTable->setObjectName(QStringLiteral("DrawsTable"));
    DrawsTable->setAccessibleName(QCoreApplication::translate("Drawvane", "Past draws"));
    DrawsTable->setHorizontalHeaderLabels({QCoreApplication::translate("Drawvane", "Date"),
                                           QCoreApplication::translate("Drawvane", "Main numbers"),
                                           QCoreApplication::translate("Drawvane", "Bonus ball")});
    DrawsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DrawsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    DrawsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    DrawsTable->verticalHeader()->hide();
    DrawsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    DrawsTable->horizontalHeader()->setStretchLastSection(true);
    DrawsTable->setFixedWidth(kDrawsTableWidth);

    HistoryResultsMemo = new QPlainTextEdit(this);
    HistoryResultsMemo->setObjectName(QStringLiteral("HistoryResultsMemo"));
    HistoryResultsMemo->setAccessibleName(QCoreApplication::translate("Drawvane", "Results over the past draws"));
    HistoryResultsMemo->setReadOnly(true);
    HistoryResultsMemo->setFixedHeight(HistoryResultsMemo->fontMetrics().lineSpacing() * (kResultsLines + 1)
                                       + 2 * HistoryResultsMemo->frameWidth()
                                       + static_cast<int>(2 * HistoryResultsMemo->document()->documentMargin()) + 8);

    FrequencyChartView = MakeFrequencyChart(this);
    FairnessLabel = new QLabel(this);
    FairnessLabel->setObjectName(QStringLiteral("FairnessLabel"));
    FairnessLabel->setWordWrap(true);
    FairnessLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    NoPredictionLabel =
        new QLabel(QCoreApplication::translate("Drawvane",
                                               "These are counts of past draws. In a fair draw every number is "
                                               "as likely as any other, whatever came before: no count "
                                               "tells the next draw."),
                   this);
    NoPredictionLabel->setObjectName(QStringLiteral("NoPredictionLabel"));
    NoPredictionLabel->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {ImportBitBtn, PasteBitBtn, ClearHistoryBitBtn})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto *figures = new QVBoxLayout;
    figures->addWidget(HistoryResultsMemo);
    figures->addWidget(FrequencyChartView, 1);
    figures->addWidget(FairnessLabel);
    figures->addWidget(NoPredictionLabel);
    auto *middle = new QHBoxLayout;
    middle->addWidget(DrawsTable);
    middle->addLayout(figures, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(CloseBitBtn);
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addLayout(buttons);
    page->addLayout(middle, 1);
    page->addLayout(bottom);

    connect(ImportBitBtn, &QPushButton::clicked, this, Guard([this] { ImportBitBtnClick(); }));
    connect(PasteBitBtn, &QPushButton::clicked, this, Guard([this] { PasteBitBtnClick(); }));
    connect(ClearHistoryBitBtn, &QPushButton::clicked, this, Guard([this] { ClearHistoryBitBtnClick(); }));
    connect(CloseBitBtn, &QPushButton::clicked, this, Guard([this] { CloseBitBtnClick(); }));
    // A double click or Enter on a draw checks it in the Draw window.
    connect(DrawsTable, &QTableWidget::activated, this,
            Guard([this](const QModelIndex &index) { CheckRow(index.row()); }));

    SetTabChain({ImportBitBtn, PasteBitBtn, ClearHistoryBitBtn, DrawsTable, HistoryResultsMemo, FrequencyChartView,
                 CloseBitBtn});
}

void THistoryForm::FormShow()
{
    SetBackgroundColour(this, kCommonBackground);
    // No larger than the screen, its frame and title bar on it.
    if (const QScreen *shown = screen())
        resize(size().boundedTo(shown->availableGeometry().size() - QSize(8, 40)).expandedTo(minimumSize()));
    ReadShape();
}

void THistoryForm::ReadShape()
{
    const TCoupon coupon = OnCoupon ? OnCoupon() : TCoupon{};
    if (coupon.marks != FMarks || coupon.boardsize != FBoardsize || FDraws.empty()) {
        FMarks = coupon.marks;
        FBoardsize = coupon.boardsize;
        QString notice;
        FDraws = THistoryStore(FMarks, FBoardsize).Load(notice);
        // Told once the window is up.
        if (!notice.isEmpty())
            QMetaObject::invokeMethod(
                this, [this, notice] { Message(notice); }, Qt::QueuedConnection);
    }
    ShowDraws();
    ShowFigures();
}

bool THistoryForm::ImportText(const QByteArray &text)
{
    if (FMarks == 0)
        ReadShape();
    const TImportResult read =
        ImportDraws(text.toStdString(), static_cast<uint8_t>(FMarks), static_cast<uint8_t>(FBoardsize));
    if (!read.Ok()) {
        QStringList lines;
        for (size_t i = 0; i < read.errors.size() && i < kErrorsShown; ++i)
            lines.append(QString::fromStdString(read.errors[i]));
        if (read.errors.size() > kErrorsShown)
            lines.append(QCoreApplication::translate("Drawvane", "and %1 more lines; nothing was imported")
                             .arg(read.errors.size() - kErrorsShown));
        else if (read.linesAtFault)
            lines.append(QCoreApplication::translate("Drawvane", "Nothing was imported"));
        Message(lines.join(QLatin1Char('\n')));
        return false;
    }
    TMergedHistory merged = MergeDraws(FDraws, read.draws);
    // Kept before it is shown: a history that cannot be written is not
    // shown as kept.
    THistoryStore(FMarks, FBoardsize).Save(merged.draws);
    FDraws = std::move(merged.draws);
    ShowDraws();
    ShowFigures();
    return true;
}

void THistoryForm::ImportBitBtnClick()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QCoreApplication::translate("Drawvane", "Import Past Draws"), QString(),
                                     QCoreApplication::translate("Drawvane", "Draws (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Message(QCoreApplication::translate("Drawvane", "%1 could not be read (%2)").arg(path, file.errorString()));
        return;
    }
    ImportText(file.readAll());
}

void THistoryForm::PasteBitBtnClick()
{
    ImportText(QApplication::clipboard()->text().toUtf8());
}

void THistoryForm::ClearHistoryBitBtnClick()
{
    if (FDraws.empty())
        return;
    QMessageBox ask(QMessageBox::Question, windowTitle(),
                    QCoreApplication::translate("Drawvane", "Clear all %1 past draws of this game?").arg(FDraws.size()),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("ClearHistoryQuestion"));
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() != QMessageBox::Yes)
        return;
    THistoryStore(FMarks, FBoardsize).Save({});
    FDraws.clear();
    ShowDraws();
    ShowFigures();
}

void THistoryForm::CloseBitBtnClick()
{
    hide();
}

void THistoryForm::ShowDraws()
{
    if (!DrawsTable)
        return;
    DrawsTable->setRowCount(static_cast<int>(FDraws.size()));
    // Newest first.
    int row = 0;
    for (auto draw = FDraws.rbegin(); draw != FDraws.rend(); ++draw, ++row) {
        const QString date = draw->date ? QString::fromStdString(IsoDate(*draw->date)) : QString();
        const QString bonus = draw->bonus ? QString::number(draw->bonus) : QString();
        const QString cells[] = {date, MainNumbers(*draw), bonus};
        for (int column = 0; column < 3; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column == 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            DrawsTable->setItem(row, column, item);
        }
    }
}

void THistoryForm::ShowFigures()
{
    if (!HistoryResultsMemo || FMarks == 0)
        return;
    const TCoupon coupon = OnCoupon ? OnCoupon() : TCoupon{};
    QStringList lines;
    if (coupon.marks == FMarks && coupon.boardsize == FBoardsize) {
        const THistoryCheck check = CheckHistory(coupon.boards, static_cast<uint8_t>(FMarks),
                                                 static_cast<uint8_t>(FBoardsize), coupon.on, coupon.payments, FDraws);
        for (const std::string &line : HistoryCheckLines(check))
            lines.append(QString::fromStdString(line));
        // Without a full board the count of draws is still worth a line.
        if (coupon.boards.empty()) {
            THistoryCheck count = check;
            count.boards = 1;
            lines.prepend(QString::fromStdString(HistoryCheckLines(count).front()));
        }
    }
    HistoryResultsMemo->setPlainText(lines.join(QLatin1Char('\n')));
    ShowChart();
}

void THistoryForm::ShowChart()
{
    const TFrequencies frequencies =
        CountFrequencies(FDraws, static_cast<uint8_t>(FMarks), static_cast<uint8_t>(FBoardsize));
    FairnessLabel->setText(QString::fromStdString(FairDrawText(FairDrawTest(frequencies))));
    ShowFrequencies(FrequencyChartView, frequencies);
}

void THistoryForm::CheckRow(int row)
{
    const int index = static_cast<int>(FDraws.size()) - 1 - row;
    if (index < 0 || index >= static_cast<int>(FDraws.size()) || !OnCheckDraw)
        return;
    const THistoryDraw &draw = FDraws[static_cast<size_t>(index)];
    std::array<int, 7> numbers{};
    for (size_t i = 0; i < draw.numbers.size() && i < 6; ++i)
        numbers[i] = draw.numbers[i];
    numbers[6] = draw.bonus;
    OnCheckDraw(numbers);
}

void THistoryForm::Message(const QString &text)
{
    // A box that grows with its text: the lines at fault, a file's path.
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("HistoryMessageBox"));
    box.exec();
}
