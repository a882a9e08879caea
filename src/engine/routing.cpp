#include "engine/game.h"

namespace mosaic {

void Game::PushPieceStep(Integer&, Integer&, Integer&, Integer&, Integer&, Integer&) {}
void Game::ChooseStep(Integer&, Integer&, Integer&, Integer&, Integer&, Integer&, Integer&, Integer&) {}
void Game::AdvanceCursor(Integer&, Integer&, Integer&, Integer&, Integer&, Integer&, Integer&, Integer&) {}
void Game::SetPieceDirection(Integer, Integer) {}
void Game::ClearPieceDirection() {}
void Game::LocateGoalPiece(Integer&, Integer&, Integer, Integer) {}

}  // namespace mosaic
