#include "ui/about.h"

#include "engine/controls.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <cstddef>

namespace {

using mosaic::Pixels;

void SetPlace(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

const QString ProgramName = QStringLiteral("Mosaic Rush");
const QString WebLine = QStringLiteral("github.com/mosaic-rush/mosaic-rush");
const QString CreditsLine = QStringLiteral("Mosaic Rush developers, 2026");
const QString ContactPrefix = QStringLiteral("E-Mail: ");

// The contact address, never held as plain text: byte i is XORed with
// 0xA7 + 29 * i (mod 256).
constexpr std::array<unsigned char, 23> ScrambledAddress = {
    0xca, 0xab, 0x92, 0x9f, 0x72, 0x5b, 0x7b, 0x00, 0xfa, 0xdf, 0xa1, 0xa6,
    0x66, 0x58, 0x5c, 0x37, 0x07, 0xf8, 0xd4, 0xe0, 0x84, 0x7a, 0x42,
};

QString ContactAddress() {
    QByteArray address;
    address.reserve(ScrambledAddress.size());
    for (std::size_t i = 0; i < ScrambledAddress.size(); ++i) {
        // A volatile read keeps the compiler from folding the plain address
        // into the program as a constant.
        const unsigned char scrambled =
            static_cast<const volatile unsigned char&>(ScrambledAddress[i]);
        const auto key = static_cast<unsigned char>(0xA7 + 29 * i);
        address.append(static_cast<char>(scrambled ^ key));
    }
    return QString::fromLatin1(address);
}

// A read-only text box that blends into the window.
QLineEdit* NewTextLine(QWidget* parent, const QString& name, const QString& text) {
    auto* line = new QLineEdit(text, parent);
    line->setObjectName(name);
    line->setReadOnly(true);
    line->setFrame(false);
    line->setAlignment(Qt::AlignCenter);
    line->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    line->setPalette(palette);
    return line;
}

// The boxes are laid out for a small font. A box too narrow for its text
// widens about its own centre, as far as the window allows.
void WidenToFit(QWidget* box, int textWidth, int margins) {
    const int needed = textWidth + margins;
    if (needed <= box->width())
        return;
    const int room = box->parentWidget()->width();
    const int width = qMin(needed, room);
    const int centre = box->x() + box->width() / 2;
    const int left = qBound(0, centre - width / 2, room - width);
    box->setGeometry(left, box->y(), width, box->height());
}

// Room a frameless line box needs beside its text: its margins and the cursor.
constexpr int LineMargins = 6;
// The same for a frameless multi-line box: the document's margins and the cursor.
constexpr int TextMargins = 10;

}  // namespace

ABOUT::ABOUT(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ABOUT"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(Pixels(4275), Pixels(4830));

    Text6 = new QPlainTextEdit(this);
    Text6->setObjectName(QStringLiteral("Text6"));
    Text6->setReadOnly(true);
    Text6->setFrameShape(QFrame::NoFrame);
    Text6->setFocusPolicy(Qt::ClickFocus);
    Text6->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text6->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text6->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette palette = Text6->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    Text6->setPalette(palette);
    SetPlace(Text6, 360, 120, 3615, 735);
    // The name is indented with spaces to stand about centred over the web line.
    const QFontMetrics metrics(Text6->font());
    const int indent =
        (metrics.horizontalAdvance(WebLine) - metrics.horizontalAdvance(ProgramName)) / 2 /
        qMax(1, metrics.horizontalAdvance(QLatin1Char(' ')));
    Text6->setPlainText(QString(qMax(1, indent), QLatin1Char(' ')) + ProgramName +
                        QLatin1Char('\n') + WebLine);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/about-logo.png")));
    SetPlace(Image1, 840, 720, 2700, 1740);

    Text1 = NewTextLine(this, QStringLiteral("Text1"), CreditsLine);
    SetPlace(Text1, 840, 2520, 2895, 285);
    Text2 = NewTextLine(this, QStringLiteral("Text2"), ContactPrefix);
    SetPlace(Text2, 1080, 2760, 2175, 285);
    Text3 = NewTextLine(this, QStringLiteral("Text3"), QString());
    SetPlace(Text3, 1680, 3120, 915, 285);
    Text4 = NewTextLine(this, QStringLiteral("Text4"), QString());
    SetPlace(Text4, 1680, 3480, 915, 285);
    Text5 = NewTextLine(this, QStringLiteral("Text5"), QString());
    SetPlace(Text5, 1680, 3840, 915, 285);
    for (QLineEdit* empty : {Text3, Text4, Text5})
        empty->setFocusPolicy(Qt::NoFocus);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    QFont buttonFont = Command1->font();
    buttonFont.setPointSizeF(9.75);
    buttonFont.setBold(true);
    Command1->setFont(buttonFont);
    Command1->setAutoDefault(true);
    SetPlace(Command1, 1800, 4320, 615, 375);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    Command1->setFocus();

    Form_Load();
}

void ABOUT::Form_Load() {
    // Complete the contact line, unless it already is.
    const QString address = ContactAddress();
    if (Text2->text() != ContactPrefix + address)
        Text2->setText(Text2->text() + address);

    for (QLineEdit* line : {Text1, Text2})
        WidenToFit(line, line->fontMetrics().horizontalAdvance(line->text()), LineMargins);
    int widest = 0;
    for (const QString& line : Text6->toPlainText().split(QLatin1Char('\n')))
        widest = qMax(widest, Text6->fontMetrics().horizontalAdvance(line));
    WidenToFit(Text6, widest, TextMargins);
}
