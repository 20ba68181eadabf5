// The program's windows on a dark desktop. The application's palette is
// the one that Qt's gtk3 theme gives under GNOME's Adwaita dark before the
// windows are made; the windows keep their own light colours and black
// texts, and look exactly as they do on a light desktop.

#include "Contrast.h"
#include "UiFixture.h"
#include "dialogs/forms/MessageUnit.h"
#include "kit/ErrorReport.h"

#include <map>

namespace {

QPalette DarkDesktopPalette()
{
    QPalette dark;
    const struct {
        QPalette::ColorRole role;
        QRgb normal;
        QRgb disabled;
    } roles[] = {
        {QPalette::WindowText, 0xFFF0F0F0, 0xFF828282},
        {QPalette::Window, 0xFF323232, 0xFF323232},
        {QPalette::Button, 0xFF323232, 0xFF323232},
        {QPalette::ButtonText, 0xFFF0F0F0, 0xFF828282},
        {QPalette::Base, 0xFF242424, 0xFF323232},
        {QPalette::AlternateBase, 0xFF2B2B2B, 0xFF2B2B2B},
        {QPalette::Text, 0xFFF0F0F0, 0xFF828282},
        {QPalette::BrightText, 0xFF4B4B4B, 0xFF4B4B4B},
        {QPalette::Light, 0xFF4B4B4B, 0xFF4B4B4B},
        {QPalette::Midlight, 0xFF2A2A2A, 0xFF2A2A2A},
        {QPalette::Mid, 0xFF262626, 0xFF262626},
        {QPalette::Dark, 0xFF212121, 0xFFBEBEBE},
        {QPalette::Shadow, 0xFF191919, 0xFF252525},
        {QPalette::Highlight, 0xFF308CC6, 0xFF919191},
        {QPalette::HighlightedText, 0xFFF0F0F0, 0xFFF0F0F0},
    };
    for (const auto &r : roles) {
        dark.setColor(QPalette::Active, r.role, QColor::fromRgba(r.normal));
        dark.setColor(QPalette::Inactive, r.role, QColor::fromRgba(r.normal));
        dark.setColor(QPalette::Disabled, r.role, QColor::fromRgba(r.disabled));
    }
    return dark;
}

QImage Grab(QWidget *window)
{
    return window->grab().toImage();
}

class Theme : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        FDesktop = QApplication::palette();
        // A text cursor that does not blink shows the same in every picture.
        FFlashTime = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0);
    }
    void TearDown() override
    {
        UiTest::TearDown();
        QApplication::setPalette(FDesktop);
        QApplication::setCursorFlashTime(FFlashTime);
    }

    // Every window that can be shown, as the player sees it: the main
    // window with a full board, each dialog opened by its command, the
    // message box with a message; each shown alone.
    std::map<QString, QImage> PicturesOfEveryWindow()
    {
        StartProgram();
        for (int n = 1; n <= 6; ++n)
            PressNumber(1, n);
        std::map<QString, QImage> pictures;
        const auto take = [&](QWidget *window) {
            QCoreApplication::processEvents();
            pictures[window->objectName()] = window->grab().toImage();
        };
        take(Form());
        for (const auto &[command, window] : CommandedDialogs()) {
            command->trigger();
            take(window);
            window->hide();
        }
        MessageForm->ShowText(QStringLiteral("Please fill at least one of the boards"));
        take(MessageForm);
        MessageForm->hide();
        return pictures;
    }

private:
    QPalette FDesktop;
    int FFlashTime = 0;
};

TEST_F(Theme, EveryWindowLooksTheSameOnALightAndADarkDesktop)
{
    const std::map<QString, QImage> light = PicturesOfEveryWindow();
    DestroyForms();
    TRegOptions().SetCoupon({}); // the second start begins as the first did
    QApplication::setPalette(DarkDesktopPalette());
    const std::map<QString, QImage> dark = PicturesOfEveryWindow();
    ASSERT_EQ(light.size(), 8u);
    ASSERT_EQ(dark.size(), 8u);
    for (const auto &[name, picture] : light) {
        const QImage &other = dark.at(name);
        ASSERT_EQ(other.size(), picture.size()) << name.toStdString();
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                differing += picture.pixel(x, y) != other.pixel(x, y);
        EXPECT_EQ(differing, 0) << name.toStdString() << ": pixels that follow the desktop's theme";
    }
}

TEST_F(Theme, EveryTextIsReadableOnADarkDesktop)
{
    QApplication::setPalette(DarkDesktopPalette());
    StartProgram();
    for (int n = 1; n <= 6; ++n)
        PressNumber(1, n);
    contrast::ExpectReadableTexts(Form(), Grab);
    // Systems with both systems off: its lists are disabled.
    for (const auto &[command, window] : CommandedDialogs()) {
        command->trigger();
        QCoreApplication::processEvents();
        contrast::ExpectReadableTexts(window, Grab);
        window->hide();
    }
    MessageForm->ShowText(QStringLiteral("Printing the selected numbers..."));
    contrast::ExpectReadableTexts(MessageForm, Grab);
}

// The general error report is the platform's own box and may follow the
// desktop; it is readable there all the same.
TEST_F(Theme, ErrorReportIsReadableOnADarkDesktop)
{
    QApplication::setPalette(DarkDesktopPalette());
    StartProgram();
    double textContrast = 0;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        const QImage picture = box->grab().toImage();
        for (QLabel *label : box->findChildren<QLabel *>())
            if (label->text() == box->text())
                textContrast = contrast::OfTextIn(picture, QRect(label->mapTo(box, QPoint()), label->size()));
        box->button(QMessageBox::Ok)->click();
    });
    timer.start();
    ShowErrorReport(QStringLiteral("Failed to get data for '3'"));
    timer.stop();
    EXPECT_GE(textContrast, 4.5);
}

} // namespace
