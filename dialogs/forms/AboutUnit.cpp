#include "dialogs/forms/AboutUnit.h"
#include "dialogs/forms/DialogSetup.h"
#include "dialogs/forms/TextBoxFormat.h"
#include "dialogs/forms/Utf16Text.h"
#include "dialogs/rules/InfoTexts.h"
#include "kit/ErrorReport.h"
#include "kit/KeyboardAccess.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPushButton>
#include <QTextEdit>
#include <QUrl>

#include <algorithm>

TAboutForm *AboutForm = nullptr;

namespace {

constexpr QSize kClientSize(702, 475);
constexpr TPlace kAboutRichEdit = {"AboutRichEdit", 0, 0, 702, 411};
constexpr TPlace kVisitLottoBitBtn = {"VisitLottoBitBtn", 5, 415, 226, 56};
constexpr TPlace kVisitVeilmarkBitBtn = {"VisitVeilmarkBitBtn", 245, 415, 226, 56};
constexpr TPlace kCloseBitBtn = {"CloseBitBtn", 565, 415, 96, 56};

constexpr QRgb kTextColour = 0xFFE8D2DE;
constexpr QRgb kPhraseColour = 0xFF0000FF;

// The outcome is not looked at: a site that cannot be opened leaves the
// window as it was.
void OpenAddress(std::u16string_view address)
{
    QDesktopServices::openUrl(QUrl(FromUtf16(address)));
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent)
    : QWidget(parent)
{
    SetUpDialog(this,
                {.name = "AboutForm",
                 .title = QT_TRANSLATE_NOOP("Drawvane", "Drawvane About"),
                 .size = kClientSize,
                 .font = DialogFont()});
    // What only the shown window needs: its controls and their texts.
    BuildOnFirstShowing(this, [this] {
        AboutRichEdit = new QTextEdit(this);
        Place(AboutRichEdit, kAboutRichEdit);
        AboutRichEdit->setReadOnly(true);
        AboutRichEdit->setFocusPolicy(Qt::ClickFocus);
        AboutRichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        AboutRichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        AboutRichEdit->setLineWrapMode(QTextEdit::WidgetWidth);
        AboutRichEdit->setPlainText(TranslatedLines(infotexts::kAboutLines, "About"));

        VisitLottoBitBtn = MakeGlyphButton(this, kVisitLottoBitBtn,
                                           QCoreApplication::translate("Drawvane", "Visit Drawvane's Website"),
                                           QStringLiteral(":/glyphs/web.png"));
        VisitVeilmarkBitBtn = MakeGlyphButton(this, kVisitVeilmarkBitBtn,
                                              QCoreApplication::translate("Drawvane", "Visit Veilmark's Website"),
                                              QStringLiteral(":/glyphs/web.png"));
        CloseBitBtn = MakeGlyphButton(
            this, kCloseBitBtn, QCoreApplication::translate("Drawvane", "Close", "the About window's narrower button"),
            QStringLiteral(":/glyphs/close.png"));
        connect(VisitLottoBitBtn, &QPushButton::clicked, this, Guard([this] { VisitLottoBitBtnClick(); }));
        connect(VisitVeilmarkBitBtn, &QPushButton::clicked, this, Guard([this] { VisitVeilmarkBitBtnClick(); }));
        connect(CloseBitBtn, &QPushButton::clicked, this, Guard([this] { CloseBitBtnClick(); }));

        SetTabChain({CloseBitBtn, VisitLottoBitBtn, VisitVeilmarkBitBtn, AboutRichEdit});
        AboutRichEdit->setAccessibleName(QCoreApplication::translate("Drawvane", "About text"));
    });
    const TButtonOf close = [this] { return CloseBitBtn; };
    SetWindowKeys(this, close, close);
    CentreOnScreen(this);
    CallOnShow(this, [this] { FormShow(); });
}

void TAboutForm::FormShow()
{
    SetBackgroundColour(this, kCommonBackground);
    SetTextBackground(AboutRichEdit, kTextColour);
    const QString text = AboutRichEdit->toPlainText();
    const std::u16string english = infotexts::JoinLines(infotexts::kAboutLines);
    if (Utf16View(text) == english) {
        for (const infotexts::TPhraseRange &phrase : infotexts::kAboutPhrases)
            EmphasisePhrase(AboutRichEdit, Utf16View(text), phrase.phrase, phrase.start, phrase.span, kPhraseColour);
        return;
    }
    // A translated page: each phrase is looked for in the line that holds it
    // in English, where the English ranges find it.
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const infotexts::TPhraseRange &phrase : infotexts::kAboutPhrases) {
        const int at = infotexts::FindPhrase(english, phrase.phrase, phrase.start, phrase.span);
        const auto line = static_cast<int>(std::count(english.begin(), english.begin() + std::max(at, 0), u'\n'));
        if (at < 0 || line >= lines.size())
            continue;
        int start = 0;
        for (int i = 0; i < line; ++i)
            start += static_cast<int>(lines[i].size()) + 1;
        const QString translated = TranslatedLine(phrase.phrase, "About");
        EmphasisePhrase(AboutRichEdit, Utf16View(text), Utf16View(translated), start,
                        static_cast<int>(lines[line].size()), kPhraseColour);
    }
}

void TAboutForm::VisitLottoBitBtnClick()
{
    OpenAddress(infotexts::kDrawvaneSite);
}

void TAboutForm::VisitVeilmarkBitBtnClick()
{
    OpenAddress(infotexts::kVeilmarkSite);
}

void TAboutForm::CloseBitBtnClick()
{
    hide();
}
