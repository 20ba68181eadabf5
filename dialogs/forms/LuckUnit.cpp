#include "dialogs/forms/LuckUnit.h"
#include "dialogs/forms/DialogSetup.h"
#include "dialogs/forms/MaskedNumberEdit.h"
#include "dialogs/forms/TextBoxFormat.h"
#include "dialogs/forms/Utf16Text.h"
#include "dialogs/rules/DonationAddress.h"
#include "dialogs/rules/InfoTexts.h"
#include "kit/ErrorReport.h"
#include "kit/KeyboardAccess.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QUrl>

#include <algorithm>

TLuckForm *LuckForm = nullptr;

namespace {

constexpr QSize kClientSize(399, 341);
constexpr TPlace kPanel1 = {"Panel1", 10, 5, 381, 266};
constexpr TPlace kMemo1 = {"Memo1", 10, 10, 361, 251}; // within Panel1
constexpr TPlace kDonationMaskEdit = {"DonationMaskEdit", 45, 305, 81, 27};
constexpr TPlace kDonateBitBtn = {"DonateBitBtn", 155, 280, 106, 56};
constexpr TPlace kCloseBitBtn = {"CloseBitBtn", 270, 280, 106, 56};
constexpr QPoint kLabel1(30, 280); // sized to its caption

// Seven optional digits, the amount aligned to the right.
constexpr int kAmountPositions = 7;
const QString kInitialAmount = QStringLiteral("     10");

constexpr QRgb kPanelColour = 0xFFD4C8DE;

QFont TahomaFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(16);
    return font;
}

} // namespace

TLuckForm::TLuckForm(QWidget *parent)
    : QWidget(parent)
{
    SetUpDialog(this,
                {.name = "LuckForm",
                 .title = QT_TRANSLATE_NOOP("Drawvane", "Drawvane Luck"),
                 .size = kClientSize,
                 .font = TahomaFont()});
    // What only the shown window needs: its controls and their texts.
    BuildOnFirstShowing(this, [this] {
        Panel1 = new QFrame(this);
        Place(Panel1, kPanel1);
        Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

        Memo1 = new QTextEdit(Panel1);
        Place(Memo1, kMemo1);
        Memo1->setReadOnly(true);
        Memo1->setFocusPolicy(Qt::ClickFocus);
        Memo1->setFrameStyle(QFrame::NoFrame);
        Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Memo1->setPlainText(TranslatedLines(infotexts::kAppealLines, "Luck"));
        {
            QTextCursor all(Memo1->document());
            all.select(QTextCursor::Document);
            QTextBlockFormat centred;
            centred.setAlignment(Qt::AlignHCenter);
            // Chinese and Korean come from a fallback font with taller lines;
            // the appeal keeps the lines of its own font, so that all twelve
            // fit the box. (From U+2E80 on are the scripts of East Asia.)
            const QString text = Memo1->toPlainText();
            if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x2E80; })) {
                const QFontMetrics own(Memo1->font());
                centred.setLineHeight(own.ascent() + own.descent(), QTextBlockFormat::FixedHeight);
            }
            all.mergeBlockFormat(centred);
        }

        Label1 = new QLabel(QCoreApplication::translate("Drawvane", "Amount in USD"), this);
        Label1->setObjectName(QStringLiteral("Label1"));
        Label1->move(kLabel1);
        Label1->resize(LabelSize(Label1));

        DonationMaskEdit = new TMaskedNumberEdit(kAmountPositions, this);
        Place(DonationMaskEdit, kDonationMaskEdit);
        DonationMaskEdit->SetMaskedText(kInitialAmount);

        DonateBitBtn = MakeGlyphButton(this, kDonateBitBtn, QCoreApplication::translate("Drawvane", "Donate"),
                                       QStringLiteral(":/glyphs/donate.png"));
        CloseBitBtn = MakeGlyphButton(this, kCloseBitBtn, QCoreApplication::translate("Drawvane", "Close"),
                                      QStringLiteral(":/glyphs/close.png"));
        connect(DonateBitBtn, &QPushButton::clicked, this, Guard([this] { DonateBitBtnClick(); }));
        connect(CloseBitBtn, &QPushButton::clicked, this, Guard([this] { CloseBitBtnClick(); }));

        SetTabChain({DonateBitBtn, CloseBitBtn, DonationMaskEdit, Memo1});
        DonationMaskEdit->setAccessibleName(QCoreApplication::translate("Drawvane", "Donation amount"));
        Memo1->setAccessibleName(QCoreApplication::translate("Drawvane", "Appeal text"));
        Label1->setBuddy(DonationMaskEdit);
    });
    const TButtonOf close = [this] { return CloseBitBtn; };
    SetWindowKeys(this, close, close);
    CentreOnScreen(this);
    CallOnShow(this, [this] { FormShow(); });
}

void TLuckForm::FormShow()
{
    SetBackgroundColour(this, kCommonBackground);
    SetBackgroundColour(Panel1, kPanelColour);
    SetTextBackground(Memo1, kPanelColour);
}

void TLuckForm::DonateBitBtnClick()
{
    const int64_t amount = donation::DonationAmount(DonationMaskEdit->MaskedText().toStdString());
    // The field shows the amount actually sent.
    DonationMaskEdit->SetMaskedText(QString::number(amount).rightJustified(DonationMaskEdit->Positions(), u' '));
    // Handed to the browser without waiting; the outcome is not looked at.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(donation::PaymentAddress(amount))));
}

void TLuckForm::CloseBitBtnClick()
{
    hide();
}
