// The Help, About and donation windows as the player meets them: shown by
// the toolbar commands without modality, headings picked out on every
// showing, and the addresses handed to the browser.

#include "UiFixture.h"
#include "dialogs/forms/AboutUnit.h"
#include "dialogs/forms/HelpUnit.h"
#include "dialogs/forms/LuckUnit.h"
#include "dialogs/forms/MaskedNumberEdit.h"
#include "dialogs/rules/InfoTexts.h"

#include <QDesktopServices>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QUrl>

#include <algorithm>
#include <span>
#include <vector>

// Takes the addresses that would go to the browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void Open(const QUrl &url) { opened << QString::fromLatin1(url.toEncoded()); }
};

namespace {

constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kGreen = 0xFF008000;

QString Q(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A run of characters with any character formatting at all.
struct Emphasis {
    int start;
    int length;
    QRgb colour; // 0 when no colour is set
    bool bold;
    bool otherStyle; // italic, underline or strike-out
    bool operator==(const Emphasis &) const = default;
};

void PrintTo(const Emphasis &r, std::ostream *os)
{
    *os << "{" << r.start << "," << r.length << ",#" << std::hex << r.colour << std::dec << (r.bold ? ",bold" : "")
        << (r.otherStyle ? ",styled" : "") << "}";
}

// The run of a bold heading where it first stands in text, from the given
// position on.
Emphasis Heading(const QString &text, const QString &words, QRgb colour, qsizetype from = 0)
{
    return {static_cast<int>(text.indexOf(words, from)), static_cast<int>(words.size()), colour, true, false};
}

std::vector<Emphasis> FormattedRuns(const QTextDocument *document)
{
    std::vector<Emphasis> runs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const bool bold = format.fontWeight() > QFont::Normal;
            const bool coloured = format.hasProperty(QTextFormat::ForegroundBrush);
            const bool other = format.fontItalic() || format.fontUnderline() || format.fontStrikeOut();
            if (!bold && !coloured && !other)
                continue;
            const Emphasis run{fragment.position(), fragment.length(),
                               coloured ? format.foreground().color().rgba() : 0u, bold, other};
            if (!runs.empty() && runs.back().start + runs.back().length == run.start && runs.back().colour == run.colour
                && runs.back().bold == run.bold && runs.back().otherStyle == run.otherStyle)
                runs.back().length += run.length;
            else
                runs.push_back(run);
        }
    return runs;
}

// The window as its command shows it: its name, caption, size and font,
// and where its controls stand.
void ExpectWindow(QWidget *window, const char *name, const char *title, QSize size, const char *font,
                  std::span<const TPlaceOf> places)
{
    EXPECT_EQ(window->objectName(), QString::fromLatin1(name));
    EXPECT_EQ(window->windowTitle(), QString::fromLatin1(title));
    EXPECT_EQ(window->size(), size);
    ExpectPlaces(window, places);
    EXPECT_EQ(window->font().family(), QString::fromLatin1(font));
    EXPECT_EQ(window->font().pixelSize(), 16);
}

void ExpectFixedOnTopDialog(QWidget *window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_FALSE(flags
                 & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint
                    | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    if (desktop.width() >= window->width() && desktop.height() >= window->height()) {
        const QPoint centre = window->geometry().center();
        EXPECT_LE(std::abs(centre.x() - desktop.center().x()), 1);
        EXPECT_LE(std::abs(centre.y() - desktop.center().y()), 1);
    }
}

// The started program, with the addresses meant for the browser caught.
class InfoWindows : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher_, "Open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher_, "Open");
        StartProgram();
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        UiTest::TearDown();
    }

    void Trigger(const char *command)
    {
        Command(command)->trigger();
        QCoreApplication::processEvents();
    }

    QStringList &Opened() { return catcher_.opened; }

    std::vector<Emphasis> ExpectedHelpRuns() const
    {
        const QString text = TextBox(HelpForm, "HelpRichEdit")->toPlainText();
        std::vector<Emphasis> runs;
        for (const auto heading : infotexts::kCommandHeadings)
            runs.push_back(Heading(text, Q(heading), kBlue));
        for (const auto heading : infotexts::kTopicHeadings)
            runs.push_back(Heading(text, Q(heading), kGreen));
        std::sort(runs.begin(), runs.end(), [](const Emphasis &a, const Emphasis &b) { return a.start < b.start; });
        return runs;
    }

    // Clears the amount field by keyboard and types digits into it.
    void TypeAmount(const QString &digits)
    {
        TMaskedNumberEdit *edit = Control<TMaskedNumberEdit>(LuckForm, "DonationMaskEdit");
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        ASSERT_EQ(edit->MaskedText(), QStringLiteral("       "));
        QTest::keyClicks(edit, digits);
    }

private:
    UrlCatcher catcher_;
};

TEST_F(InfoWindows, CommandsShowTheWindowsModelessInFrontAndCloseHidesThem)
{
    struct {
        QWidget *window;
        const char *command;
    } windows[] = {{HelpForm, "HelpAction"}, {AboutForm, "AboutAction"}, {LuckForm, "LuckAction"}};
    for (auto &w : windows) {
        EXPECT_FALSE(w.window->isVisible()) << w.window->objectName().toStdString();
        ExpectFixedOnTopDialog(w.window);
    }
    for (auto &w : windows)
        Trigger(w.command);
    for (auto &w : windows)
        EXPECT_TRUE(w.window->isVisible()) << w.window->objectName().toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(Form()->isEnabled());

    // The window manager's close is refused; only Close hides, and it leaves
    // the others as they were.
    EXPECT_FALSE(HelpForm->close());
    EXPECT_TRUE(HelpForm->isVisible());
    for (std::size_t closed = 0; closed < std::size(windows); ++closed) {
        Click(Button(windows[closed].window, "CloseBitBtn"));
        for (std::size_t i = 0; i < std::size(windows); ++i)
            EXPECT_EQ(windows[i].window->isVisible(), i > closed) << windows[i].window->objectName().toStdString();
        EXPECT_TRUE(Form()->isVisible());
    }

    // Shown again, the same instances come back.
    THelpForm *help = HelpForm;
    Trigger("HelpAction");
    EXPECT_EQ(HelpForm, help);
    EXPECT_TRUE(help->isVisible());
}

TEST_F(InfoWindows, ControlsCarryTheirNamesPlacesAndFonts)
{
    // Each window as its command shows it.
    Trigger("HelpAction");
    const TPlaceOf helpPlaces[] = {{"HelpRichEdit", {0, 0, 686, 476}}, {"CloseBitBtn", {515, 480, 101, 50}}};
    ExpectWindow(HelpForm, "HelpForm", "Drawvane Help", {686, 532}, "Times New Roman", helpPlaces);
    QTextEdit *notes = TextBox(HelpForm, "HelpRichEdit");
    EXPECT_TRUE(notes->isReadOnly());
    EXPECT_EQ(notes->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(notes->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(Button(HelpForm, "CloseBitBtn")->text(), QStringLiteral("Close"));
    EXPECT_FALSE(Button(HelpForm, "CloseBitBtn")->icon().isNull());

    Trigger("AboutAction");
    const TPlaceOf aboutPlaces[] = {{"AboutRichEdit", {0, 0, 702, 411}},
                                    {"VisitLottoBitBtn", {5, 415, 226, 56}},
                                    {"VisitVeilmarkBitBtn", {245, 415, 226, 56}},
                                    {"CloseBitBtn", {565, 415, 96, 56}}};
    ExpectWindow(AboutForm, "AboutForm", "Drawvane About", {702, 475}, "Times New Roman", aboutPlaces);
    QTextEdit *about = TextBox(AboutForm, "AboutRichEdit");
    EXPECT_TRUE(about->isReadOnly());
    EXPECT_EQ(about->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(about->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(Button(AboutForm, "VisitLottoBitBtn")->text(), QStringLiteral("Visit Drawvane's Website"));
    EXPECT_EQ(Button(AboutForm, "VisitVeilmarkBitBtn")->text(), QStringLiteral("Visit Veilmark's Website"));
    EXPECT_EQ(about->toPlainText(), Q(infotexts::JoinLines(infotexts::kAboutLines)));

    Trigger("LuckAction");
    const TPlaceOf luckPlaces[] = {{"Panel1", {10, 5, 381, 266}},
                                   {"Memo1", {10, 10, 361, 251}},
                                   {"DonationMaskEdit", {45, 305, 81, 27}},
                                   {"DonateBitBtn", {155, 280, 106, 56}},
                                   {"CloseBitBtn", {270, 280, 106, 56}}};
    ExpectWindow(LuckForm, "LuckForm", "Drawvane Luck", {399, 341}, "Tahoma", luckPlaces);
    QTextEdit *memo = TextBox(LuckForm, "Memo1");
    EXPECT_EQ(memo->parentWidget(), Control<QFrame>(LuckForm, "Panel1"));
    EXPECT_EQ(Control<QLabel>(LuckForm, "Label1")->pos(), QPoint(30, 280));
    EXPECT_EQ(Control<QLabel>(LuckForm, "Label1")->text(), QStringLiteral("Amount in USD"));
    EXPECT_EQ(Control<TMaskedNumberEdit>(LuckForm, "DonationMaskEdit")->Positions(), 7);
    EXPECT_EQ(Control<TMaskedNumberEdit>(LuckForm, "DonationMaskEdit")->MaskedText(), QStringLiteral("     10"));
    EXPECT_TRUE(memo->isReadOnly());

    // The appeal: twelve lines, every one centred.
    const QTextDocument *appeal = memo->document();
    EXPECT_EQ(appeal->blockCount(), 12);
    EXPECT_EQ(appeal->toPlainText(), Q(infotexts::JoinLines(infotexts::kAppealLines)));
    for (QTextBlock block = appeal->begin(); block.isValid(); block = block.next())
        EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(InfoWindows, EachShowingPaintsTheWindowColours)
{
    Trigger("HelpAction");
    Click(Button(HelpForm, "CloseBitBtn"));
    for (QWidget *w : std::initializer_list<QWidget *>{TextBox(HelpForm, "HelpRichEdit"), HelpForm}) {
        QPalette stale = w->palette();
        stale.setColor(QPalette::Window, Qt::black);
        stale.setColor(QPalette::Base, Qt::black);
        w->setPalette(stale);
    }
    for (const char *command : {"HelpAction", "AboutAction", "LuckAction"})
        Trigger(command);
    for (QWidget *window : std::initializer_list<QWidget *>{HelpForm, AboutForm, LuckForm})
        EXPECT_EQ(window->palette().color(QPalette::Window).rgba(), 0xFFE8DEBAu) << window->objectName().toStdString();
    EXPECT_EQ(TextBox(HelpForm, "HelpRichEdit")->palette().color(QPalette::Base).rgba(), 0xFFF2DCEBu);
    EXPECT_EQ(TextBox(AboutForm, "AboutRichEdit")->palette().color(QPalette::Base).rgba(), 0xFFE8D2DEu);
    EXPECT_EQ(Control<QFrame>(LuckForm, "Panel1")->palette().color(QPalette::Window).rgba(), 0xFFD4C8DEu);
    EXPECT_EQ(TextBox(LuckForm, "Memo1")->palette().color(QPalette::Base).rgba(), 0xFFD4C8DEu);
}

TEST_F(InfoWindows, HelpHeadingsAreBoldAndColouredOnEveryShowingAndNothingElse)
{
    Trigger("HelpAction");
    QTextEdit *notes = TextBox(HelpForm, "HelpRichEdit");
    const QTextDocument *document = notes->document();
    EXPECT_EQ(document->blockCount(), 64);
    EXPECT_EQ(notes->toPlainText(), Q(infotexts::JoinLines(infotexts::kHelpLines)));
    const std::vector<Emphasis> expected = ExpectedHelpRuns();
    EXPECT_EQ(FormattedRuns(document), expected);

    // The view stays at the top of the notes.
    EXPECT_EQ(notes->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(notes->textCursor().hasSelection());

    Click(Button(HelpForm, "CloseBitBtn"));
    Trigger("HelpAction");
    EXPECT_EQ(FormattedRuns(document), expected);
}

TEST_F(InfoWindows, AboutPhrasesAreBoldBlueAndTheAuthorLineNameIsNot)
{
    Trigger("AboutAction");
    QTextEdit *about = TextBox(AboutForm, "AboutRichEdit");
    const QString text = about->toPlainText();
    const QString name = Q(infotexts::kAuthorName);
    const int paragraph = static_cast<int>(text.indexOf(name, 800));
    ASSERT_GT(paragraph, 800);
    const std::vector<Emphasis> expected = {
        {0, 13, kBlue, true, false},
        Heading(text, QStringLiteral("Author:"), kBlue),
        Heading(text, QStringLiteral("Contact E-Mail:"), kBlue),
        Heading(text, QStringLiteral("Purpose:"), kBlue),
        {paragraph, static_cast<int>(name.size()), kBlue, true, false},
    };
    EXPECT_EQ(FormattedRuns(about->document()), expected);
    EXPECT_EQ(about->document()->findBlock(paragraph).blockNumber(), 13);
    // The box has no scroll bars, so the whole page has to fit in it.
    EXPECT_EQ(about->verticalScrollBar()->maximum(), 0);

    Click(Button(AboutForm, "CloseBitBtn"));
    Trigger("AboutAction");
    EXPECT_EQ(FormattedRuns(about->document()), expected);
}

TEST_F(InfoWindows, WebSiteButtonsOpenTheHomePages)
{
    Trigger("AboutAction");
    Click(Button(AboutForm, "VisitLottoBitBtn"));
    Click(Button(AboutForm, "VisitVeilmarkBitBtn"));
    EXPECT_EQ(
        Opened(),
        (QStringList{QStringLiteral("http://drawvane.example.org/"), QStringLiteral("http://veilmark.example.com/")}));
    EXPECT_TRUE(AboutForm->isVisible());
}

TEST_F(InfoWindows, DonateSendsTheFieldsAmountAndShowsWhatWasSent)
{
    Trigger("LuckAction");
    const QString head = QStringLiteral("https://www.paypal.com/cgi-bin/webscr?business=donations@drawvane.example.org"
                                        "&item_name=Drawvane%20Donation&amount=");
    const QString tail = QStringLiteral("&no_shipping=1&currency_code=USD&quantity=1&no_note=1&cmd=_xclick");
    TMaskedNumberEdit *field = Control<TMaskedNumberEdit>(LuckForm, "DonationMaskEdit");

    // Each Donate in turn: what is typed first (nothing: the field as it
    // stands), what is sent and what the field shows afterwards.
    const struct {
        const char *typed;
        const char *sent;
        const char *shown;
    } donations[] = {
        {nullptr, "10", "     10"}, // the initial amount
        {"", "10", "     10"},      // cleared: 10 is sent and shown again
        {"1234567", "1234567", "1234567"},
        {"0", "0", "      0"}, // no lower bound, and no complaint
    };
    qsizetype sent = 0;
    for (const auto &d : donations) {
        if (d.typed)
            TypeAmount(QString::fromLatin1(d.typed));
        const QString box = TextOfModalBox([&] { Click(Button(LuckForm, "DonateBitBtn")); });
        EXPECT_TRUE(box.isEmpty()) << box.toStdString();
        ++sent;
        ASSERT_EQ(Opened().size(), sent);
        EXPECT_EQ(Opened().back(), head + QString::fromLatin1(d.sent) + tail);
        EXPECT_EQ(field->MaskedText(), QString::fromLatin1(d.shown));
    }
    EXPECT_TRUE(LuckForm->isVisible());

    // The amount stays in the field between showings.
    TypeAmount(QStringLiteral("25"));
    Click(Button(LuckForm, "CloseBitBtn"));
    Trigger("LuckAction");
    EXPECT_EQ(field->MaskedText(), QStringLiteral("     25"));
    Click(Button(LuckForm, "DonateBitBtn"));
    EXPECT_EQ(Opened().back(), head + QStringLiteral("25") + tail);
}

} // namespace

#include "InfoWindowsTest.moc"
