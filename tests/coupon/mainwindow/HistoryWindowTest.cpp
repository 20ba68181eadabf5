// The History window: past draws pasted or imported, kept between runs,
// the coupon checked against them, and a past draw checked in the Draw
// window.

#include "UiFixture.h"
#include "dialogs/forms/DrawUnit.h"
#include "dialogs/forms/HistoryStore.h"
#include "dialogs/forms/HistoryUnit.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTimer>

namespace {

// A results table as a lottery's page gives it: a heading, dates in two
// forms, a ball set and a draw number after the bonus ball.
constexpr char kPastDraws[] = "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus Ball,Ball Set,Draw Number\n"
                              "06-Dec-2025,1,2,3,4,5,6,7,A,3001\n"
                              "03.12.2025,1,2,3,40,41,42,4,B,3000\n"
                              "2025-11-29,10,20,30,40,41,42,43,A,2999\n";

class HistoryWindow : public UiTest {
protected:
    THistoryForm *OpenHistory()
    {
        QTest::keyClick(Form(), Qt::Key_H, Qt::ControlModifier);
        QCoreApplication::processEvents();
        return HistoryForm;
    }

    static QString Told(const std::function<void()> &action, QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        return ToldByWindow(QStringLiteral("Drawvane History"), action, answer);
    }

    // Pastes text; what the window says of it.
    QString Paste(const char *text)
    {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
        return Told([] { Click(Button(HistoryForm, "PasteBitBtn")); });
    }

    QStringList Results() const
    {
        return Control<QPlainTextEdit>(HistoryForm, "HistoryResultsMemo")->toPlainText().split(QLatin1Char('\n'));
    }

    QTableWidget *Draws() const { return Control<QTableWidget>(HistoryForm, "DrawsTable"); }
};

TEST_F(HistoryWindow, PastedDrawsAreListedKeptAndCheckedAgainstTheFullBoards)
{
    StartProgram();
    FillBoard(1, {1, 2, 3, 4, 5, 6});
    THistoryForm *form = OpenHistory();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Drawvane History"));
    ExpectCaptions<QPushButton>(
        form, {{"ImportBitBtn", "Import..."}, {"PasteBitBtn", "Paste"}, {"ClearHistoryBitBtn", "Clear History"}});
    EXPECT_EQ(Results().front(), QStringLiteral("Draws: 0"));

    EXPECT_EQ(Paste(kPastDraws), QString());
    ASSERT_EQ(Draws()->rowCount(), 3);
    // Newest first.
    EXPECT_EQ(Draws()->item(0, 0)->text(), QStringLiteral("2025-12-06"));
    EXPECT_EQ(Draws()->item(0, 1)->text(), QStringLiteral("1 2 3 4 5 6"));
    EXPECT_EQ(Draws()->item(0, 2)->text(), QStringLiteral("7"));
    const QStringList results = Results();
    EXPECT_EQ(results.front(), QStringLiteral("Draws: 3, from 2025-11-29 to 2025-12-06"));
    EXPECT_TRUE(results.contains(QStringLiteral("6: won in 1 draw, expected 0.00")))
        << results.join('\n').toStdString();
    EXPECT_TRUE(results.contains(QStringLiteral("3 + bonus ball: won in 1 draw, expected 0.00")))
        << results.join('\n').toStdString();
    EXPECT_TRUE(results.contains(QStringLiteral("3: won in 0 draws, expected 0.05")))
        << results.join('\n').toStdString();
    EXPECT_TRUE(results.back().startsWith(QStringLiteral("Prizes: $1000010 over 3 draws, expected $")));
    EXPECT_TRUE(
        Control<QLabel>(form, "FairnessLabel")->text().startsWith(QStringLiteral("Fair draw test: chi-square ")));

    // The same draws again add nothing; the kept file holds one a line.
    EXPECT_EQ(Paste(kPastDraws), QString());
    EXPECT_EQ(Draws()->rowCount(), 3);
    QFile kept(THistoryStore(6, 49).Path());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(),
              QByteArray("2025-11-29,10,20,30,40,41,42,43\n2025-12-03,1,2,3,40,41,42,4\n"
                         "2025-12-06,1,2,3,4,5,6,7\n"));

    // Enter on a draw checks it in the Draw window, rings and all.
    Draws()->setCurrentCell(0, 0);
    Draws()->setFocus();
    QTest::keyClick(Draws(), Qt::Key_Return);
    ASSERT_TRUE(DrawForm->isVisible());
    EXPECT_EQ(Control<QPlainTextEdit>(DrawForm, "DrawResultsMemo")->toPlainText(),
              QStringLiteral("Board 1: 6, $1000000\nPrizes: $1000000 on 1 board"));
    EXPECT_EQ(CouponPicture()->Rings(1), (QList<int>{1, 2, 3, 4, 5, 6}));

    // Clear History asks first, and No keeps every draw.
    const auto clear = [] { Click(Button(HistoryForm, "ClearHistoryBitBtn")); };
    EXPECT_EQ(Told(clear, QMessageBox::No), QStringLiteral("Clear all 3 past draws of this game?"));
    EXPECT_EQ(Draws()->rowCount(), 3);
    Told(clear, QMessageBox::Yes);
    EXPECT_EQ(Draws()->rowCount(), 0);
    kept.close();
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray());
}

TEST_F(HistoryWindow, AnImportWithABadLineImportsNothingAndNamesIt)
{
    StartProgram();
    OpenHistory();
    ASSERT_EQ(Paste(kPastDraws), QString());
    EXPECT_EQ(Paste("2025-12-10,1,2,3,4,5,6,7\n2025-12-13,1,2,3,4,5,53,7\n2025-12-17,8,8,9,10,11,12\n"
                    "2025-12-20,1,2,3,4,5\n"),
              QStringLiteral("Line 2: 53 is not a number from 1 to 49\nLine 3: 8 appears twice\n"
                             "Line 4: 5 numbers, 6 needed\nNothing was imported"));
    EXPECT_EQ(Draws()->rowCount(), 3);
    EXPECT_EQ(Paste(""), QStringLiteral("The file holds no draws"));
}

TEST_F(HistoryWindow, AKeptFileThatCannotBeReadIsSetAsideAndTold)
{
    StartProgram();
    // Where the program keeps it, which its name gives.
    const QString path = THistoryStore(6, 49).Path();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2025-12-06,1,2,3,4,5,99,7\n");
    file.close();
    EXPECT_EQ(Told([this] { OpenHistory(); }),
              QStringLiteral("The kept draws could not be read (Line 1: 99 is not a number from 1 to 49) and were set "
                             "aside as %1.unreadable")
                  .arg(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".unreadable")));
    EXPECT_EQ(Draws()->rowCount(), 0);
}

TEST_F(HistoryWindow, TheDrawWindowOpensIt)
{
    StartProgram();
    Command("DrawAction")->trigger();
    QCoreApplication::processEvents();
    Click(Button(DrawForm, "HistoryBitBtn"));
    EXPECT_TRUE(HistoryForm->isVisible());
    EXPECT_EQ(Button(DrawForm, "HistoryBitBtn")->text(), QStringLiteral("Past Draws"));
}

} // namespace
