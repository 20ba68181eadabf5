#pragma once

// A started program per test: a private settings folder, the forms created
// as the program creates them and the main window shown; all of it torn
// down again afterwards, with no modal box left open.

#include "TestStore.h"
#include "WindowControls.h"
#include "app/Application.h"
#include "coupon/logic/CouponForTests.h"
#include "coupon/logic/CouponState.h"
#include "coupon/mainwindow/CouponImage.h"
#include "coupon/mainwindow/GridAtlas.h"
#include "coupon/mainwindow/ImageFormUnit.h"
#include "coupon/mainwindow/Tombolix.h"
#include "settings/RegistryUnit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <ostream>

using fortests::CellOrigin;

// The text of the message box or question of a window that action opens,
// which is then answered; empty for none. The box's caption is the
// window's.
inline QString ToldByWindow(const QString &caption, const std::function<void()> &action,
                            QMessageBox::StandardButton answer = QMessageBox::Ok)
{
    QString told;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            EXPECT_EQ(box->windowTitle(), caption);
            told = box->text();
            if (QAbstractButton *button = box->button(answer)) {
                button->click();
            } else {
                ADD_FAILURE() << "no such answer to: " << told.toStdString();
                box->reject();
            }
        }
    });
    timer.start();
    action();
    QTest::qWait(100);
    return told;
}

// A click in the middle of a control, as the pointer gives it.
inline void Click(QWidget *widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QCoreApplication::processEvents();
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override { store_ = std::make_unique<testsupport::ScopedStore>(); }

    void TearDown() override
    {
        if (TombolixForm)
            DestroyForms();
        store_.reset();
    }

    void StartProgram()
    {
        CreateForms();
        TombolixForm->show();
        QCoreApplication::processEvents();
    }

    TTombolixForm *Form() const { return TombolixForm; }
    const testsupport::ScopedStore &Store() const { return *store_; }
#ifndef _WIN32
    const testsupport::ScopedConfigHome &Home() const
    {
        return store_->Home();
    }
#endif

    void Press(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(CouponPicture(), button, Qt::NoModifier, QPoint(x, y));
        QTest::mouseRelease(CouponPicture(), button, Qt::NoModifier, QPoint(x, y));
    }

    // Presses the middle of number n on board b.
    void PressNumber(int board, int number, Qt::MouseButton button = Qt::LeftButton)
    {
        const TPoint p = CellOrigin(board, number);
        Press(p.x + 8, p.y + 8, button);
    }

    // Presses the middle of each number on the board.
    void FillBoard(int board, std::initializer_list<int> numbers)
    {
        for (int n : numbers)
            PressNumber(board, n);
    }

    QRgb Pixel(int x, int y) const
    {
        return CouponPicture()->Image().pixel(x, y) | 0xFF000000;
    }

    enum class Cell { Plain, Marked, Excluded, Other };

    // Which grid of the atlas the 16 x 16 cell of number n on board b shows.
    Cell CellOf(int board, int number) const
    {
        const TPoint p = CellOrigin(board, number);
        const int column = (number - 1) / 7;
        const int row = (number - 1) % 7;
        const QImage &coupon = CouponPicture()->Image();
        const QImage &grid = ImagesForm->Atlas();
        const auto matches = [&](int offset) {
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    if ((coupon.pixel(p.x + x, p.y + y) | 0xFF000000)
                        != (grid.pixel(offset + 16 * column + x, 16 * row + y) | 0xFF000000))
                        return false;
            return true;
        };
        if (matches(atlas::kPlainX))
            return Cell::Plain;
        if (matches(atlas::kMarkedX))
            return Cell::Marked;
        if (matches(atlas::kExcludedX))
            return Cell::Excluded;
        return Cell::Other;
    }

    // Runs action and accepts every modal box it opens, in turn; returns
    // their texts in order. Each must be the general error report: an error
    // box with one OK button, the program's title as its caption.
    QStringList TextsOfModalBoxes(const std::function<void()> &action)
    {
        QStringList texts;
        QTimer timer;
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts.append(box->text());
                EXPECT_EQ(box->icon(), QMessageBox::Critical);
                EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
                EXPECT_EQ(box->windowTitle(), QStringLiteral("Drawvane"));
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer.start();
        action();
        for (int i = 0; i < 5; ++i)
            QTest::qWait(20);
        timer.stop();
        return texts;
    }

    // The text of the one modal box that action opens, or an empty string
    // if none came up.
    QString TextOfModalBox(const std::function<void()> &action)
    {
        const QStringList texts = TextsOfModalBoxes(action);
        EXPECT_LE(texts.size(), 1) << texts.join(QLatin1Char('|')).toStdString();
        return texts.value(0);
    }

    // The window as it stands after a finished start-up: its panels in
    // their colours, every caption and result empty, the coupon drawn with
    // shown boards of size cells.
    void ExpectFinishedWindow(int shown, int size)
    {
        const auto colour = [](QWidget *w) { return w->palette().color(w->backgroundRole()).rgb(); };
        EXPECT_EQ(colour(Control(TombolixForm, "GamePanel")), 0xFFDC78D2u);
        EXPECT_EQ(colour(Control(TombolixForm, "StatsPanel")), 0xFFE8DEBAu);
        EXPECT_EQ(colour(Control(TombolixForm, "CoefficientsPanel")), 0xFFDEC2C2u);
        EXPECT_EQ(colour(Control(TombolixForm, "CoolBar1")), 0xFFE8DEBAu);
        for (QLabel *label : TombolixForm->findChildren<QLabel *>(QRegularExpression(QStringLiteral(
                 "^(p|s)\\d+$|^(WinDiv|Odds|Pay)\\dLabel$|^(TotalWinProbability|OddsTotalLabel|PayTotalLabel)$"))))
            EXPECT_TRUE(label->text().isEmpty()) << label->objectName().toStdString();
        for (int b = 1; b <= 12; ++b)
            for (int n = 1; n <= 49; ++n) {
                const bool drawn = b <= shown && n <= size;
                ASSERT_EQ(CellOf(b, n) == Cell::Plain, drawn) << b << "/" << n;
            }
    }

    void WriteStore(const std::function<void(TRegOptions &)> &write)
    {
        TRegOptions store;
        store.InitDefaults();
        write(store);
    }

    // Both systems' switches and lists, stored.
    static void SetSystems(bool include, bool exclude, const std::array<uint8_t, 4> &inclusions,
                           const std::array<uint8_t, 10> &exclusions)
    {
        TRegOptions store;
        store.InitDefaults();
        store.SetPlayInclude(include);
        store.SetPlayExclude(exclude);
        store.SetInclusions(inclusions);
        store.SetExclusions(exclusions);
    }

private:
    std::unique_ptr<testsupport::ScopedStore> store_;
};
