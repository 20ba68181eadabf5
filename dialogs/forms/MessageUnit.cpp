#include "dialogs/forms/MessageUnit.h"
#include "dialogs/forms/DialogSetup.h"
#include "kit/Artwork.h"
#include "kit/ErrorReport.h"
#include "kit/KeyboardAccess.h"
#include "kit/WindowStacking.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

TMessageForm *MessageForm = nullptr;

namespace {

constexpr QRgb kPanelColour = 0xFFD4BADE;

} // namespace

TMessageForm::TMessageForm(QWidget *parent)
    : QWidget(parent)
{
    SetUpDialog(this,
                {.name = "MessageForm",
                 .title = QT_TRANSLATE_NOOP("Drawvane", "Drawvane Message"),
                 .size = QSize(290, 108),
                 .font = DialogFont(),
                 .role = QAccessible::AlertMessage});

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(5, 10, 281, 44);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(6, 6, 32, 32);
    WhenFirstShown(Image1, [](QWidget *w) {
        static_cast<QLabel *>(w)->setPixmap(ArtPixmap(QStringLiteral(":/icons/ball23.png"), w->devicePixelRatioF()));
    });
    Image1->setAttribute(Qt::WA_TranslucentBackground);

    // One line that grows with its text and is cut off at the panel's edge.
    MessageLabel = new QLabel(QStringLiteral("MessageLabel"), Panel1);
    MessageLabel->setObjectName(QStringLiteral("MessageLabel"));
    MessageLabel->setWordWrap(false);
    MessageLabel->move(50, 15);
    MessageLabel->setFixedHeight(19);
    MessageLabel->adjustSize();

    CloseBitBtn =
        MakeGlyphButton(this, {"CloseBitBtn", 155, 60, 106, 46}, QCoreApplication::translate("Drawvane", "Close"),
                        QStringLiteral(":/glyphs/close.png"));
    connect(CloseBitBtn, &QPushButton::clicked, this, Guard([this] { CloseBitBtnClick(); }));

    SetTabChain({CloseBitBtn});
    const TButtonOf close = [this] { return CloseBitBtn; };
    SetWindowKeys(this, close, close);
    CentreOnScreen(this);
}

void TMessageForm::ShowText(const QString &text)
{
    SetBackgroundColour(this, kCommonBackground);
    SetBackgroundColour(Panel1, kPanelColour);
    MessageLabel->setText(text);
    MessageLabel->adjustSize();
    // A screen reader reads the box as its text.
    setAccessibleDescription(text);
    ShowInFront(this);
    AnnounceAlert(this);
}

void TMessageForm::CloseBitBtnClick()
{
    hide();
}
