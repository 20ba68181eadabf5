// The Help, About and donation windows as the player meets them: shown by
// the toolbar commands without modality, headings picked out on every
// showing, and the addresses handed to the browser.

#include "UiFixture.h"
#include "dialogs/forms/AboutUnit.h"
#include "dialogs/forms/HelpUnit.h"
#include "dialogs/forms/LuckUnit.h"
#include "dialogs/forms/MaskedNumberEdit.h"
#include "dialogs/rules/DonationAddress.h"
#include "dialogs/rules/InfoTexts.h"

#include <QAction>
#include <QDesktopServices>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrl>

#include <algorithm>
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

// Tab stops in focus-chain order.
QStringList TabStops(QWidget *window)
{
    QStringList names;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->objectName().isEmpty())
            names << w->objectName();
    return names;
}

// The given controls in the (circular) focus chain's order, tab stops or
// not, starting at the first of them.
QStringList ChainOrder(QWidget *window, const QStringList &names)
{
    QWidget *first = window->findChild<QWidget *>(names.front());
    QStringList order{names.front()};
    for (QWidget *w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain())
        if (names.contains(w->objectName()) && !order.contains(w->objectName()))
            order << w->objectName();
    return order;
}

struct Expected {
    const char *name;
    QRect geometry;
};

void ExpectPlaces(QWidget *window, std::initializer_list<Expected> controls)
{
    for (const Expected &c : controls) {
        auto *widget = window->findChild<QWidget *>(QString::fromLatin1(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
    }
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

class InfoWindows : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher_, "Open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher_, "Open");
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        UiTest::TearDown();
    }

    void Trigger(QAction *action)
    {
        action->trigger();
        QCoreApplication::processEvents();
    }

    QStringList &Opened() { return catcher_.opened; }

    std::vector<Emphasis> ExpectedHelpRuns() const
    {
        const QString text = TextBox(HelpForm, "HelpRichEdit")->toPlainText();
        std::vector<Emphasis> runs;
        for (const auto heading : infotexts::kCommandHeadings)
            runs.push_back(
                {static_cast<int>(text.indexOf(Q(heading))), static_cast<int>(heading.size()), kBlue, true, false});
        for (const auto heading : infotexts::kTopicHeadings)
            runs.push_back(
                {static_cast<int>(text.indexOf(Q(heading))), static_cast<int>(heading.size()), kGreen, true, false});
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
    StartProgram();
    struct {
        QWidget *window;
        QAction *action;
    } windows[] = {
        {HelpForm, Command("HelpAction")},
        {AboutForm, Command("AboutAction")},
        {LuckForm, Command("LuckAction")},
    };
    for (auto &w : windows) {
        EXPECT_FALSE(w.window->isVisible()) << w.window->objectName().toStdString();
        ExpectFixedOnTopDialog(w.window);
    }
    for (auto &w : windows)
        Trigger(w.action);
    for (auto &w : windows)
        EXPECT_TRUE(w.window->isVisible()) << w.window->objectName().toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(Form()->isEnabled());

    // The window manager's close is refused; only Close hides, and it leaves
    // the others as they were.
    EXPECT_FALSE(HelpForm->close());
    EXPECT_TRUE(HelpForm->isVisible());
    Click(Button(HelpForm, "CloseBitBtn"));
    EXPECT_FALSE(HelpForm->isVisible());
    EXPECT_TRUE(AboutForm->isVisible());
    EXPECT_TRUE(LuckForm->isVisible());
    EXPECT_TRUE(Form()->isVisible());
    Click(Button(AboutForm, "CloseBitBtn"));
    Click(Button(LuckForm, "CloseBitBtn"));
    EXPECT_FALSE(AboutForm->isVisible());
    EXPECT_FALSE(LuckForm->isVisible());
    EXPECT_TRUE(Form()->isVisible());

    // Shown again, the same instances come back.
    THelpForm *help = HelpForm;
    Trigger(Command("HelpAction"));
    EXPECT_EQ(HelpForm, help);
    EXPECT_TRUE(help->isVisible());
}

TEST_F(InfoWindows, ControlsCarryTheirNamesPlacesFontsAndTabOrder)
{
    StartProgram();
    // Each window as its command shows it.
    Trigger(Command("HelpAction"));
    EXPECT_EQ(HelpForm->objectName(), QStringLiteral("HelpForm"));
    EXPECT_EQ(HelpForm->windowTitle(), QStringLiteral("Drawvane Help"));
    EXPECT_EQ(HelpForm->size(), QSize(686, 532));
    ExpectPlaces(HelpForm, {{"HelpRichEdit", {0, 0, 686, 476}}, {"CloseBitBtn", {515, 480, 101, 50}}});
    EXPECT_EQ(HelpForm->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(HelpForm->font().pixelSize(), 16);
    EXPECT_TRUE(TextBox(HelpForm, "HelpRichEdit")->isReadOnly());
    EXPECT_EQ(TextBox(HelpForm, "HelpRichEdit")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(TextBox(HelpForm, "HelpRichEdit")->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(Button(HelpForm, "CloseBitBtn")->text(), QStringLiteral("Close"));
    EXPECT_FALSE(Button(HelpForm, "CloseBitBtn")->icon().isNull());
    EXPECT_EQ(TabStops(HelpForm), QStringList{QStringLiteral("CloseBitBtn")});
    const QStringList helpOrder{QStringLiteral("CloseBitBtn"), QStringLiteral("HelpRichEdit")};
    EXPECT_EQ(ChainOrder(HelpForm, helpOrder), helpOrder);

    Trigger(Command("AboutAction"));
    EXPECT_EQ(AboutForm->objectName(), QStringLiteral("AboutForm"));
    EXPECT_EQ(AboutForm->windowTitle(), QStringLiteral("Drawvane About"));
    EXPECT_EQ(AboutForm->size(), QSize(702, 475));
    ExpectPlaces(AboutForm,
                 {{"AboutRichEdit", {0, 0, 702, 411}},
                  {"VisitLottoBitBtn", {5, 415, 226, 56}},
                  {"VisitVeilmarkBitBtn", {245, 415, 226, 56}},
                  {"CloseBitBtn", {565, 415, 96, 56}}});
    EXPECT_EQ(AboutForm->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(AboutForm->font().pixelSize(), 16);
    EXPECT_TRUE(TextBox(AboutForm, "AboutRichEdit")->isReadOnly());
    EXPECT_EQ(TextBox(AboutForm, "AboutRichEdit")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(TextBox(AboutForm, "AboutRichEdit")->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(Button(AboutForm, "VisitLottoBitBtn")->text(), QStringLiteral("Visit Drawvane's Website"));
    EXPECT_EQ(Button(AboutForm, "VisitVeilmarkBitBtn")->text(), QStringLiteral("Visit Veilmark's Website"));
    EXPECT_EQ(TabStops(AboutForm),
              (QStringList{QStringLiteral("CloseBitBtn"), QStringLiteral("VisitLottoBitBtn"),
                           QStringLiteral("VisitVeilmarkBitBtn")}));
    const QStringList aboutOrder{QStringLiteral("CloseBitBtn"), QStringLiteral("VisitLottoBitBtn"),
                                 QStringLiteral("VisitVeilmarkBitBtn"), QStringLiteral("AboutRichEdit")};
    EXPECT_EQ(ChainOrder(AboutForm, aboutOrder), aboutOrder);
    EXPECT_EQ(TextBox(AboutForm, "AboutRichEdit")->toPlainText(), Q(infotexts::JoinLines(infotexts::kAboutLines)));

    Trigger(Command("LuckAction"));
    EXPECT_EQ(LuckForm->objectName(), QStringLiteral("LuckForm"));
    EXPECT_EQ(LuckForm->windowTitle(), QStringLiteral("Drawvane Luck"));
    EXPECT_EQ(LuckForm->size(), QSize(399, 341));
    ExpectPlaces(LuckForm,
                 {{"Panel1", {10, 5, 381, 266}},
                  {"Memo1", {10, 10, 361, 251}},
                  {"DonationMaskEdit", {45, 305, 81, 27}},
                  {"DonateBitBtn", {155, 280, 106, 56}},
                  {"CloseBitBtn", {270, 280, 106, 56}}});
    EXPECT_EQ(TextBox(LuckForm, "Memo1")->parentWidget(), Control<QFrame>(LuckForm, "Panel1"));
    EXPECT_EQ(Control<QLabel>(LuckForm, "Label1")->pos(), QPoint(30, 280));
    EXPECT_EQ(Control<QLabel>(LuckForm, "Label1")->text(), QStringLiteral("Amount in USD"));
    EXPECT_EQ(LuckForm->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(LuckForm->font().pixelSize(), 16);
    EXPECT_EQ(Control<TMaskedNumberEdit>(LuckForm, "DonationMaskEdit")->Positions(), 7);
    EXPECT_EQ(Control<TMaskedNumberEdit>(LuckForm, "DonationMaskEdit")->MaskedText(), QStringLiteral("     10"));
    EXPECT_TRUE(TextBox(LuckForm, "Memo1")->isReadOnly());
    EXPECT_EQ(TabStops(LuckForm),
              (QStringList{QStringLiteral("DonateBitBtn"), QStringLiteral("CloseBitBtn"),
                           QStringLiteral("DonationMaskEdit")}));

    // The appeal: twelve lines, every one centred.
    const QTextDocument *appeal = TextBox(LuckForm, "Memo1")->document();
    EXPECT_EQ(appeal->blockCount(), 12);
    EXPECT_EQ(appeal->toPlainText(), Q(infotexts::JoinLines(infotexts::kAppealLines)));
    for (QTextBlock block = appeal->begin(); block.isValid(); block = block.next())
        EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(InfoWindows, EachShowingPaintsTheWindowColours)
{
    StartProgram();
    Trigger(Command("HelpAction"));
    Click(Button(HelpForm, "CloseBitBtn"));
    for (QWidget *w : {static_cast<QWidget *>(TextBox(HelpForm, "HelpRichEdit")), static_cast<QWidget *>(HelpForm)}) {
        QPalette stale = w->palette();
        stale.setColor(QPalette::Window, Qt::black);
        stale.setColor(QPalette::Base, Qt::black);
        w->setPalette(stale);
    }
    Trigger(Command("HelpAction"));
    Trigger(Command("AboutAction"));
    Trigger(Command("LuckAction"));
    EXPECT_EQ(HelpForm->palette().color(QPalette::Window).rgba(), 0xFFE8DEBAu);
    EXPECT_EQ(TextBox(HelpForm, "HelpRichEdit")->palette().color(QPalette::Base).rgba(), 0xFFF2DCEBu);
    EXPECT_EQ(AboutForm->palette().color(QPalette::Window).rgba(), 0xFFE8DEBAu);
    EXPECT_EQ(TextBox(AboutForm, "AboutRichEdit")->palette().color(QPalette::Base).rgba(), 0xFFE8D2DEu);
    EXPECT_EQ(LuckForm->palette().color(QPalette::Window).rgba(), 0xFFE8DEBAu);
    EXPECT_EQ(Control<QFrame>(LuckForm, "Panel1")->palette().color(QPalette::Window).rgba(), 0xFFD4C8DEu);
    EXPECT_EQ(TextBox(LuckForm, "Memo1")->palette().color(QPalette::Base).rgba(), 0xFFD4C8DEu);
}

TEST_F(InfoWindows, HelpHeadingsAreBoldAndColouredOnEveryShowingAndNothingElse)
{
    StartProgram();
    Trigger(Command("HelpAction"));
    const QTextDocument *document = TextBox(HelpForm, "HelpRichEdit")->document();
    EXPECT_EQ(document->blockCount(), 47);
    EXPECT_EQ(TextBox(HelpForm, "HelpRichEdit")->toPlainText(), Q(infotexts::JoinLines(infotexts::kHelpLines)));
    const std::vector<Emphasis> expected = ExpectedHelpRuns();
    EXPECT_EQ(FormattedRuns(document), expected);

    // The view stays at the top of the notes.
    EXPECT_EQ(TextBox(HelpForm, "HelpRichEdit")->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(TextBox(HelpForm, "HelpRichEdit")->textCursor().hasSelection());

    Click(Button(HelpForm, "CloseBitBtn"));
    Trigger(Command("HelpAction"));
    EXPECT_EQ(FormattedRuns(document), expected);
}

TEST_F(InfoWindows, AboutPhrasesAreBoldBlueAndTheAuthorLineNameIsNot)
{
    StartProgram();
    Trigger(Command("AboutAction"));
    const QString text = TextBox(AboutForm, "AboutRichEdit")->toPlainText();
    const QString name = Q(infotexts::kAuthorName);
    const int paragraph = static_cast<int>(text.indexOf(name, 800));
    ASSERT_GT(paragraph, 800);
    const std::vector<Emphasis> expected = {
        {0, 13, kBlue, true, false},
        {static_cast<int>(text.indexOf(QStringLiteral("Author:"))), 7, kBlue, true, false},
        {static_cast<int>(text.indexOf(QStringLiteral("Contact E-Mail:"))), 15, kBlue, true, false},
        {static_cast<int>(text.indexOf(QStringLiteral("Purpose:"))), 8, kBlue, true, false},
        {paragraph, static_cast<int>(name.size()), kBlue, true, false},
    };
    EXPECT_EQ(FormattedRuns(TextBox(AboutForm, "AboutRichEdit")->document()), expected);
    EXPECT_EQ(TextBox(AboutForm, "AboutRichEdit")->document()->findBlock(paragraph).blockNumber(), 13);
    // The box has no scroll bars, so the whole page has to fit in it.
    EXPECT_EQ(TextBox(AboutForm, "AboutRichEdit")->verticalScrollBar()->maximum(), 0);

    Click(Button(AboutForm, "CloseBitBtn"));
    Trigger(Command("AboutAction"));
    EXPECT_EQ(FormattedRuns(TextBox(AboutForm, "AboutRichEdit")->document()), expected);
}

TEST_F(InfoWindows, WebSiteButtonsOpenTheHomePages)
{
    StartProgram();
    Trigger(Command("AboutAction"));
    Click(Button(AboutForm, "VisitLottoBitBtn"));
    Click(Button(AboutForm, "VisitVeilmarkBitBtn"));
    EXPECT_EQ(
        Opened(),
        (QStringList{QStringLiteral("http://drawvane.example.org/"), QStringLiteral("http://veilmark.example.com/")}));
    EXPECT_TRUE(AboutForm->isVisible());
}

TEST_F(InfoWindows, DonateSendsTheFieldsAmountAndShowsWhatWasSent)
{
    StartProgram();
    Trigger(Command("LuckAction"));
    const QString head = QStringLiteral("https://www.paypal.com/cgi-bin/webscr?business=donations@drawvane.example.org"
                                        "&item_name=Drawvane%20Donation&amount=");
    const QString tail = QStringLiteral("&no_shipping=1&currency_code=USD&quantity=1&no_note=1&cmd=_xclick");
    TMaskedNumberEdit *field = Control<TMaskedNumberEdit>(LuckForm, "DonationMaskEdit");

    // The initial amount.
    Click(Button(LuckForm, "DonateBitBtn"));
    ASSERT_EQ(Opened().size(), 1);
    EXPECT_EQ(Opened().back(), head + QStringLiteral("10") + tail);
    EXPECT_EQ(field->MaskedText(), QStringLiteral("     10"));

    // Cleared: 10 is sent and shown again.
    TypeAmount(QString());
    Click(Button(LuckForm, "DonateBitBtn"));
    ASSERT_EQ(Opened().size(), 2);
    EXPECT_EQ(Opened().back(), head + QStringLiteral("10") + tail);
    EXPECT_EQ(field->MaskedText(), QStringLiteral("     10"));

    TypeAmount(QStringLiteral("1234567"));
    Click(Button(LuckForm, "DonateBitBtn"));
    ASSERT_EQ(Opened().size(), 3);
    EXPECT_EQ(Opened().back(), head + QStringLiteral("1234567") + tail);
    EXPECT_EQ(field->MaskedText(), QStringLiteral("1234567"));

    // No lower bound, and no complaint.
    TypeAmount(QStringLiteral("0"));
    const QString box = TextOfModalBox([&] { Click(Button(LuckForm, "DonateBitBtn")); });
    EXPECT_TRUE(box.isEmpty()) << box.toStdString();
    ASSERT_EQ(Opened().size(), 4);
    EXPECT_EQ(Opened().back(), head + QStringLiteral("0") + tail);
    EXPECT_EQ(field->MaskedText(), QStringLiteral("      0"));
    EXPECT_TRUE(LuckForm->isVisible());

    // The amount stays in the field between showings.
    TypeAmount(QStringLiteral("25"));
    Click(Button(LuckForm, "CloseBitBtn"));
    Trigger(Command("LuckAction"));
    EXPECT_EQ(field->MaskedText(), QStringLiteral("     25"));
    Click(Button(LuckForm, "DonateBitBtn"));
    EXPECT_EQ(Opened().back(), head + QStringLiteral("25") + tail);
}

} // namespace

#include "InfoWindowsTest.moc"
