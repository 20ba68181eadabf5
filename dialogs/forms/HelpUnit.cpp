#include "dialogs/forms/HelpUnit.h"
#include "dialogs/forms/DialogSetup.h"
#include "dialogs/forms/TextBoxFormat.h"
#include "dialogs/forms/Utf16Text.h"
#include "dialogs/rules/InfoTexts.h"
#include "kit/ErrorReport.h"
#include "kit/KeyboardAccess.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTextEdit>

THelpForm *HelpForm = nullptr;

namespace {

constexpr QSize kClientSize(686, 532);
constexpr TPlace kHelpRichEdit = {"HelpRichEdit", 0, 0, 686, 476};
constexpr TPlace kCloseBitBtn = {"CloseBitBtn", 515, 480, 101, 50};

constexpr QRgb kTextColour = 0xFFF2DCEB;
constexpr QRgb kCommandColour = 0xFF0000FF;
constexpr QRgb kTopicColour = 0xFF008000;

} // namespace

THelpForm::THelpForm(QWidget *parent)
    : QWidget(parent)
{
    SetUpDialog(this,
                {.name = "HelpForm",
                 .title = QT_TRANSLATE_NOOP("Drawvane", "Drawvane Help"),
                 .size = kClientSize,
                 .font = DialogFont()});
    // What only the shown window needs: its controls and their texts.
    BuildOnFirstShowing(this, [this] {
        HelpRichEdit = new QTextEdit(this);
        Place(HelpRichEdit, kHelpRichEdit);
        HelpRichEdit->setReadOnly(true);
        HelpRichEdit->setFocusPolicy(Qt::ClickFocus);
        HelpRichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        HelpRichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        HelpRichEdit->setLineWrapMode(QTextEdit::WidgetWidth);
        HelpRichEdit->setPlainText(TranslatedLines(infotexts::kHelpLines, "Help"));

        CloseBitBtn = MakeGlyphButton(this, kCloseBitBtn, QCoreApplication::translate("Drawvane", "Close"),
                                      QStringLiteral(":/glyphs/close.png"));
        connect(CloseBitBtn, &QPushButton::clicked, this, Guard([this] { CloseBitBtnClick(); }));

        // The text scrolls with the keys once Tab gives it the focus.
        SetTabChain({CloseBitBtn, HelpRichEdit});
        HelpRichEdit->setAccessibleName(QCoreApplication::translate("Drawvane", "Help text"));
    });
    const TButtonOf close = [this] { return CloseBitBtn; };
    SetWindowKeys(this, close, close);
    CentreOnScreen(this);
    CallOnShow(this, [this] { FormShow(); });
    FormCreate();
}

THelpForm::~THelpForm()
{
    FormDestroy();
}

void THelpForm::FormCreate()
{
    // In the player's language, as the text is.
    for (const std::u16string_view heading : infotexts::kCommandHeadings)
        FCommandHeadings.push_back(TranslatedLine(heading, "Help").toStdU16String());
    for (const std::u16string_view heading : infotexts::kTopicHeadings)
        FTopicHeadings.push_back(TranslatedLine(heading, "Help").toStdU16String());
}

void THelpForm::FormShow()
{
    SetBackgroundColour(this, kCommonBackground);
    SetTextBackground(HelpRichEdit, kTextColour);
    const QString text = HelpRichEdit->toPlainText();
    const std::u16string_view view = Utf16View(text);
    const int length = static_cast<int>(text.size());
    for (const std::u16string_view heading : FCommandHeadings)
        EmphasisePhrase(HelpRichEdit, view, heading, 0, length, kCommandColour);
    for (const std::u16string_view heading : FTopicHeadings)
        EmphasisePhrase(HelpRichEdit, view, heading, 0, length, kTopicColour);
}

void THelpForm::FormDestroy()
{
    FCommandHeadings.clear();
    FTopicHeadings.clear();
}

void THelpForm::CloseBitBtnClick()
{
    hide();
}
