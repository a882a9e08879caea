// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_window.h"

#include "engine/window_model.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <cstddef>

namespace {

using mosaic::twipsToPixels;

void setPlace(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

const QString ProgramName = QStringLiteral("Mosaic Rush");
const QString WebLine = QStringLiteral("github.com/mosaic-rush/mosaic-rush");

// The contact address, never held as plain text: byte i is XORed with
// 0xA7 + 29 * i (mod 256).
constexpr std::array<unsigned char, 23> ScrambledAddress = {
    0xca, 0xab, 0x92, 0x9f, 0x72, 0x5b, 0x7b, 0x00, 0xfa, 0xdf, 0xa1, 0xa6,
    0x66, 0x58, 0x5c, 0x37, 0x07, 0xf8, 0xd4, 0xe0, 0x84, 0x7a, 0x42,
};

QString contactAddress() {
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
QLineEdit* newTextLine(QWidget* parent, const QString& name, const QString& text) {
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
void widenToFit(QWidget* box, int textWidth, int margins) {
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

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(tr("About"));
    setFixedSize(twipsToPixels(4275), twipsToPixels(4830));

    nameText_ = new QPlainTextEdit(this);
    nameText_->setObjectName(QStringLiteral("nameText"));
    nameText_->setReadOnly(true);
    nameText_->setFrameShape(QFrame::NoFrame);
    nameText_->setFocusPolicy(Qt::ClickFocus);
    nameText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    nameText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    nameText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette palette = nameText_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    nameText_->setPalette(palette);
    setPlace(nameText_, 360, 120, 3615, 735);
    // The name is indented with spaces to stand about centred over the web line.
    const QFontMetrics metrics(nameText_->font());
    const int indent =
        (metrics.horizontalAdvance(WebLine) - metrics.horizontalAdvance(ProgramName)) / 2 /
        qMax(1, metrics.horizontalAdvance(QLatin1Char(' ')));
    nameText_->setPlainText(QString(qMax(1, indent), QLatin1Char(' ')) + ProgramName +
                            QLatin1Char('\n') + WebLine);

    logo_ = new QLabel(this);
    logo_->setObjectName(QStringLiteral("logo"));
    logo_->setPixmap(QPixmap(QStringLiteral(":/about-logo.png")));
    logo_->setAccessibleName(tr("Mosaic Rush logo"));
    setPlace(logo_, 840, 720, 2700, 1740);

    creditsLine_ = newTextLine(this, QStringLiteral("creditsLine"), tr("Mosaic Rush developers, 2026"));
    setPlace(creditsLine_, 840, 2520, 2895, 285);
    contactLine_ = newTextLine(this, QStringLiteral("contactLine"), tr("E-Mail: "));
    setPlace(contactLine_, 1080, 2760, 2175, 285);

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    QFont buttonFont = okButton_->font();
    buttonFont.setPointSizeF(9.75);
    buttonFont.setBold(true);
    okButton_->setFont(buttonFont);
    okButton_->setAutoDefault(true);
    setPlace(okButton_, 1800, 4320, 615, 375);
    connect(okButton_, &QPushButton::clicked, this, &QWidget::close);
    okButton_->setFocus();

    finishTexts();
}

void AboutWindow::finishTexts() {
    // Complete the contact line, unless it already is.
    const QString address = contactAddress();
    if (contactLine_->text() != tr("E-Mail: ") + address)
        contactLine_->setText(contactLine_->text() + address);

    for (QLineEdit* line : {creditsLine_, contactLine_})
        widenToFit(line, line->fontMetrics().horizontalAdvance(line->text()), LineMargins);
    int widest = 0;
    for (const QString& line : nameText_->toPlainText().split(QLatin1Char('\n')))
        widest = qMax(widest, nameText_->fontMetrics().horizontalAdvance(line));
    widenToFit(nameText_, widest, TextMargins);
}
