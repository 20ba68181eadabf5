// Printing through a real printing system: a private CUPS scheduler with a
// default queue that writes a PDF file.

#include "UiFixture.h"
#include "dialogs/forms/MessageUnit.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#ifndef DRAWVANE_CUPS_SANDBOX
#error "DRAWVANE_CUPS_SANDBOX names the sandbox script"
#endif

namespace {

QString RunTool(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
}

class Printing : public UiTest {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::filesystem::temp_directory_path() / ("drawvane-cups-" + std::to_string(::getpid()));
        int code = 0;
        const QString output = RunTool(QStringLiteral(DRAWVANE_CUPS_SANDBOX),
                                       {QStringLiteral("start"), QString::fromStdString(dir_.string())}, &code);
        if (code != 0) {
            skipReason_ = "the printing system could not be started: " + output.toStdString();
            return;
        }
        setenv("CUPS_SERVER", (dir_.string() + "/cups.sock").c_str(), 1);
        started_ = true;
    }

    static void TearDownTestSuite()
    {
        RunTool(QStringLiteral(DRAWVANE_CUPS_SANDBOX), {QStringLiteral("stop"), QString::fromStdString(dir_.string())});
        // DRAWVANE_KEEP_CUPS keeps the scheduler's folder for a look at its logs.
        std::error_code ec;
        if (!std::getenv("DRAWVANE_KEEP_CUPS"))
            std::filesystem::remove_all(dir_, ec);
    }

    void SetUp() override
    {
        if (!started_)
            GTEST_SKIP() << skipReason_;
        UiTest::SetUp();
    }

    static std::filesystem::path Output() { return dir_ / "out" / "job.pdf"; }

    // Waits until the printing system has completed a job and none is left.
    static bool WaitForJobs()
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 30000) {
            const QString pending = RunTool(QStringLiteral("lpstat"), {QStringLiteral("-o")});
            const QString completed = RunTool(
                QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o")});
            if (pending.trimmed().isEmpty() && completed.contains(QStringLiteral("drawvane-pdf-")))
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    void FillBoards()
    {
        for (int n : {1, 2, 3, 4, 5, 49})
            PressNumber(1, n);
        for (int n : {10, 11})
            PressNumber(2, n);
        for (int n : {7, 14, 21, 28, 35, 42})
            PressNumber(3, n);
    }

    static inline std::filesystem::path dir_;
    static inline bool started_ = false;
    static inline std::string skipReason_;
};

TEST_F(Printing, FilledBoardsReachTheDefaultQueueAsOneTitledJob)
{
    StartProgram();
    FillBoards();
    const QImage before = CouponPicture()->Image();
    EXPECT_EQ(TextOfModalBox([&] { Command("PrintAction")->trigger(); }), QString());
    EXPECT_TRUE(MessageForm->isVisible());
    EXPECT_EQ(Control<QLabel>(MessageForm, "MessageLabel")->text(), QStringLiteral("Printing the selected numbers..."));
    EXPECT_EQ(CouponPicture()->Image(), before);
    EXPECT_EQ(Form()->Coupon().MarkCount(1), 6);

    ASSERT_TRUE(WaitForJobs()) << RunTool(QStringLiteral("lpstat"),
                                          {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")})
                                      .toStdString();
    const QString file = QString::fromStdString(Output().string());
    const QString info = RunTool(QStringLiteral("pdfinfo"), {file});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+The Winning Numbers"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           1"))) << info.toStdString();
    // Courier New, or its metric twin where it is not installed.
    const QString fonts = RunTool(QStringLiteral("pdffonts"), {file});
    EXPECT_TRUE(fonts.contains(QStringLiteral("CourierNew")) || fonts.contains(QStringLiteral("LiberationMono")))
        << fonts.toStdString();
    // The text extractor does not keep runs of blanks; the columns are the
    // text's own business and tested with it.
    const QString text =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")}).simplified();
    const auto heading = text.indexOf(QStringLiteral("Here are your lucky number guessess"));
    const auto board1 = text.indexOf(QStringLiteral("Board: 1 Numbers: 1 2 3 4 5 49"));
    const auto board3 = text.indexOf(QStringLiteral("Board: 3 Numbers: 7 14 21 28 35 42"));
    EXPECT_GE(heading, 0) << text.toStdString();
    EXPECT_GT(board1, heading) << text.toStdString();
    EXPECT_GT(board3, board1) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Board:  2")));
}

TEST_F(Printing, NothingFilledPrintsNothing)
{
    const auto jobs = [] {
        return RunTool(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")});
    };
    const QString before = jobs();
    StartProgram();
    PressNumber(1, 1);
    Command("PrintAction")->trigger();
    EXPECT_EQ(Control<QLabel>(MessageForm, "MessageLabel")->text(),
              QStringLiteral("Please fill at least one of the boards"));
    QThread::msleep(300);
    EXPECT_EQ(jobs(), before);
}

// A queue that refuses jobs, and a stopped printer: the report gives the
// printing system's own reason, not the status of a later query, and
// nothing is printed or lost.
TEST_F(Printing, QueueThatRefusesJobsOrAStoppedPrinterIsReported)
{
    // The report's start and the reason within it; with no reason, the
    // start is the whole report.
    const struct {
        const char *stop, *restart;
        const char *start, *reason;
    } queues[] = {
        {"cupsreject", "cupsaccept", "The printing system refused the job for \"drawvane-pdf\"", "not accepting jobs"},
        {"cupsdisable", "cupsenable", "The printer \"drawvane-pdf\" is stopped.", ""},
    };
    for (const auto &q : queues) {
        RunTool(QString::fromLatin1(q.stop), {QStringLiteral("drawvane-pdf")});
        StartProgram();
        FillBoards();
        const QString report = TextOfModalBox([&] { Command("PrintAction")->trigger(); });
        RunTool(QString::fromLatin1(q.restart), {QStringLiteral("drawvane-pdf")});
        const QString start = QString::fromLatin1(q.start);
        EXPECT_TRUE(report.startsWith(start) && report.contains(QLatin1String(q.reason))
                    && (*q.reason || report == start))
            << q.stop << ": " << report.toStdString();
        EXPECT_FALSE(MessageForm->isVisible());
        EXPECT_EQ(Form()->Coupon().MarkCount(3), 6);
        DestroyForms();
        TRegOptions().SetCoupon({}); // the next start begins with an empty coupon
    }
}

} // namespace
