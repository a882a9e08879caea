#include "ui/form2.h"

#include "engine/controls.h"
#include "engine/game.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

namespace {

using mosaic::Pixels;

void SetPlace(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

// A drop-down list keeps the height its style gives it.
void SetListPlace(QComboBox* list, int left, int top, int width) {
    list->setGeometry(Pixels(left), Pixels(top), Pixels(width), list->sizeHint().height());
}

constexpr int SmallestSize = 3;
constexpr int LargestSize = 10;

}  // namespace

Form2::Form2(mosaic::Game& game, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_game(game),
      m_mainWindow(mainWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Custom"));
    setFixedSize(Pixels(3810), Pixels(1305));

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    SetListPlace(Combo1, 720, 360, 855);

    Label1 = new QLabel(QStringLiteral("X"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    SetPlace(Label1, 1800, 360, 255, 375);

    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    SetListPlace(Combo2, 2280, 360, 855);

    Command1 = new QPushButton(QStringLiteral("GO"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    QFont buttonFont = Command1->font();
    buttonFont.setPointSizeF(9.75);
    buttonFont.setBold(true);
    Command1->setFont(buttonFont);
    SetPlace(Command1, 1680, 840, 495, 375);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    Form_Load();
}

void Form2::Form_Load() {
    // Both lists start at the smallest size, whatever the grid is now.
    Combo1->clear();
    Combo2->clear();
    for (int n = SmallestSize; n <= LargestSize; ++n)
        Combo1->addItem(QString::number(n));
    for (int n = SmallestSize; n <= LargestSize; ++n)
        Combo2->addItem(QString::number(n));
    Combo1->setCurrentIndex(0);
    Combo2->setCurrentIndex(0);
}

void Form2::Command1_Click() {
    m_game.ApplyCustomSize(Combo1->currentIndex(), Combo2->currentIndex());
    emit sizeApplied();
    close();
}

void Form2::showEvent(QShowEvent* event) {
    // The native window exists by now and is not yet mapped.
    QWindow* window = windowHandle();
    if (window && m_mainWindow) {
        if (QWindow* mainWindow = m_mainWindow->window()->windowHandle())
            window->setTransientParent(mainWindow);
    }
    QWidget::showEvent(event);
}

void Form2::closeEvent(QCloseEvent* event) {
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    QWidget::closeEvent(event);
}
