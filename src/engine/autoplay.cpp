#include "engine/game.h"

namespace mosaic {

void Game::AutoPlayStep() {}
void Game::SolveRowsStep(Integer&, Integer&) {}
void Game::SolveLastTwoRowsStep(Integer&, Integer&) {}
void Game::FinalSlide(Integer&, Integer&) {}

}  // namespace mosaic
