// The main window's start-up, its menu helpers and menu commands, and the
// switch between the player and the automatic player.

#include "engine/game.h"

#include <cmath>

namespace mosaic {

namespace {

void SetPlace(Control& control, int left, int top, int width, int height) {
    control.Left = left;
    control.Top = top;
    control.Width = width;
    control.Height = height;
}

}  // namespace

Game::Game(Platform& platform) : platform_(platform) {
    // The window's design: what every control holds before Form_Load.
    PieceBox& box0 = Picture1[0];
    SetPlace(box0, 120, 600, 375, 375);
    box0.Visible = false;
    box0.ToolTipText = SlidingHint;

    Text1.Caption = WorkingText;
    SetPlace(Text1, 1920, 1320, 1815, 375);
    Text1.Visible = false;
    SetPlace(Text2, 0, 0, 855, 285);
    Text2.Visible = false;
    Text3.Caption = PieceCorrectText;
    SetPlace(Text3, 0, 0, 2415, 375);
    Text3.Visible = false;
    SetPlace(Label1, 0, 0, 1215, 285);
    Label1.Visible = false;
    Label2.Caption = "Moves:";
    SetPlace(Label2, 0, 0, 720, 255);
    Label2.Visible = false;
    const char* arrows[] = {"L", "R", "U", "D"};
    int i = 0;
    for (Control* button : {&Command3, &Command4, &Command5, &Command6}) {
        button->Caption = arrows[i++];
        SetPlace(*button, 0, 0, 375, 375);
        button->Visible = false;
    }
    COMMAND2.Caption = "MANUAL";
    SetPlace(COMMAND2, 0, 0, 1095, 375);
    COMMAND2.Visible = false;
    SetPlace(Image2, 720, 480, 4305, 2775);
    Image2.Visible = false;
    Timer1 = {true, 0};
    Timer2 = {true, 0};
    Timer3 = {false, 500};

    ai_save.Enabled = false;
    ai_empty.Checked = true;
    ai_mag1.Checked = true;
    ai_1.Checked = true;  // the check mark agrees with the start speed
    ai_asc1.Checked = true;
}

MenuItem& Game::SizeMenu(int n) {
    switch (n) {
    case 3: return ai_3x3;
    case 4: return ai_4x4;
    case 5: return ai_5x5;
    case 6: return ai_6x6;
    case 7: return ai_7x7;
    case 8: return ai_8x8;
    case 9: return ai_9x9;
    default: return ai_10x10;
    }
}

void Game::Form_Load(const QImage& defaultPicture, const QImage& splashPicture) {
    // 1.
    Picture2 = defaultPicture;
    PictureClip1.SetPicture(Picture2);
    // 2.
    GridCols = 3;
    GridRows = 3;
    NoticeTicks = 0;
    EmptySpaceMode = true;
    SwapPending = false;
    Magnify = 1;
    KeepArrangement = false;
    ViewerOpen = false;
    ManualMode = true;
    SplashTicks = 0;
    SpeedSetting = 4;
    OrderCode = "HA";
    // 3.
    SplashPicture = splashPicture;
    Image2.Visible = true;
    // 4.
    Timer1.Interval = 500;
    // 5.
    CreatePieceBoxes();
}

void Game::CreatePieceBoxes() {
    for (int i = 1; i < PieceBoxCount; ++i) {
        Picture1[i] = Picture1[0];
        Picture1[i].Visible = false;
    }
    BasePieceWidth = static_cast<Integer>(Picture1[0].Width);
    BasePieceHeight = static_cast<Integer>(Picture1[0].Height);
}

void Game::Timer1_Timer() {
    ++SplashTicks;
    if (SplashTicks == 4) {
        Timer1.Enabled = false;
        Image2.Visible = false;
    }
}

void Game::UncheckSpeedMenus() {
    for (MenuItem* item : {&ai_1, &ai_2, &ai_3, &ai_4})
        item->Checked = false;
}

void Game::UncheckOrderMenus() {
    for (MenuItem* item : {&ai_asc1, &ai_asc2, &ai_des1, &ai_des2})
        item->Checked = false;
}

void Game::DisableArrowButtons() {
    for (Control* button : {&Command3, &Command4, &Command5, &Command6})
        button->Enabled = false;
}

void Game::DisableMoveButtons() {
    COMMAND2.Enabled = false;
    DisableArrowButtons();
}

void Game::DisableOrderMenus() {
    for (MenuItem* item : {&ai_asc1, &ai_asc2, &ai_des1, &ai_des2, &ai_manual})
        item->Enabled = false;
}

void Game::EnableOrderMenus() {
    for (MenuItem* item : {&ai_asc1, &ai_asc2, &ai_des1, &ai_des2})
        item->Enabled = true;
}

void Game::EnableMenus() {
    for (MenuItem* item :
         {&ai_empty, &ai_view, &ai_mag1, &ai_mag2, &ai_1, &ai_2, &ai_3, &ai_4, &ai_3x3, &ai_4x4,
          &ai_5x5, &ai_6x6, &ai_7x7, &ai_8x8, &ai_9x9, &ai_10x10, &ai_open, &ai_about, &ai_manual})
        item->Enabled = true;
    EnableOrderMenus();
}

void Game::RebuildBoard() {
    ResetMainWindow();
    DealBoard();
    BuildBoard();
}

void Game::ai_NxN_Click(int n) {
    GridCols = static_cast<Integer>(n);
    GridRows = static_cast<Integer>(n);
    RebuildBoard();
}

void Game::ai_empty_Click() {
    if (ai_empty.Checked) {
        ai_empty.Checked = false;
        EmptySpaceMode = false;
        HidePlayControls();
        RebuildBoard();
    } else {
        EmptySpaceMode = true;
        RebuildBoard();
        ai_empty.Checked = true;
    }
}

void Game::ai_mag1_Click() {
    ChooseMagnification(1);
}

void Game::ai_mag2_Click() {
    ChooseMagnification(2);
}

void Game::ChooseMagnification(int magnify) {
    KeepArrangement = true;
    Magnify = static_cast<Integer>(magnify);
    ai_mag1.Checked = magnify == 1;
    ai_mag2.Checked = magnify == 2;
    // Before the first game there is nothing to redraw: only the window is
    // sized, and no game is started.
    if (GameDealt)
        RebuildBoard();
    else
        ResetMainWindow();
    KeepArrangement = false;
}

void Game::ai_speed_Click(int item) {
    static constexpr Integer speeds[] = {4, 15, 30, 45};
    MenuItem* items[] = {&ai_1, &ai_2, &ai_3, &ai_4};
    SpeedSetting = speeds[item - 1];
    UncheckSpeedMenus();
    items[item - 1]->Checked = true;
}

namespace {

void ChooseOrder(Game& game, const char* code, MenuItem& item) {
    game.OrderCode = code;
    game.DisableMoveButtons();
    game.UncheckOrderMenus();
    item.Checked = true;
    game.ai_save.Enabled = false;
}

}  // namespace

void Game::ai_asc1_Click() {
    ChooseOrder(*this, "HA", ai_asc1);
}
void Game::ai_des1_Click() {
    ChooseOrder(*this, "HD", ai_des1);
}
void Game::ai_asc2_Click() {
    ChooseOrder(*this, "VA", ai_asc2);
}
void Game::ai_des2_Click() {
    ChooseOrder(*this, "VD", ai_des2);
}

void Game::ApplyCustomSize(int columnsIndex, int rowsIndex) {
    GridCols = static_cast<Integer>(columnsIndex + 3);
    GridRows = static_cast<Integer>(rowsIndex + 3);
    RebuildBoard();
}

void Game::COMMAND2_Click() {
    // 1.
    const int interval = static_cast<int>(std::lround(360.0 / SpeedSetting));
    if (ManualMode) {
        // 2.
        LockControlsForAutoPlay();
        ManualMode = false;
        Timer2.Enabled = true;
        Timer2.Interval = interval;
        COMMAND2.Caption = "MANUAL";
    } else {
        // 3.
        ManualMode = true;
        Timer2.Enabled = false;
        COMMAND2.Caption = "AUTO";
        ai_save.Enabled = true;
        ShowMoveButtons();
        EnableMenus();
    }
}

void Game::LockControlsForAutoPlay() {
    DisableArrowButtons();
    for (MenuItem* item : {&ai_empty, &ai_view,  &ai_mag1, &ai_mag2, &ai_1,     &ai_2,     &ai_3,
                           &ai_4,     &ai_3x3,   &ai_4x4,  &ai_5x5,  &ai_6x6,   &ai_7x7,   &ai_8x8,
                           &ai_9x9,   &ai_10x10, &ai_open, &ai_save, &ai_about, &ai_manual})
        item->Enabled = false;
    DisableOrderMenus();
}

void Game::Timer2_Timer() {
    if (!ManualMode)
        AutoPlayStep();
}

}  // namespace mosaic
