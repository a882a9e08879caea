// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts a player sees, written in English and translated through Qt's
// translations (context "GameSession"); without a translation the English
// stands as it is.

#include "engine/board.h"

#include <optional>
#include <string>

namespace mosaic::texts {

std::string slidingHint();                       // "Click on Puzzle pieces close to Blank Space"
std::string swapHint();                          // "Click on Puzzle pieces to Swap"
std::string working();                           // " WORKING!"
std::string pieceCorrect();                      // "Piece is Correct!"
std::string moves();                             // "Moves:"
std::string time();                              // "Time:"
std::string autoCaption();                       // "AUTO"
std::string manualCaption();                     // "MANUAL"
std::string left(), right(), up(), down();       // "L", "R", "U", "D"
std::string gridSize(int columns, int rows);     // "4 X 3"
std::string completed();                         // "Completed"
std::string congratulations();                   // "Congratulations"
std::string autoPlayTitle();                     // "Auto Play"
std::string movesMade(int moves);                // "Moves: 12"
std::string swapsMade(int swaps);                // "Swaps: 4"
std::string timeTaken(const std::string& time);  // "Time: 1:05"
std::string shortestMoves(int moves);            // "Shortest possible: 7 moves"
std::string shortestSwaps(int swaps);            // "Shortest possible: 3 swaps"
std::string pieceMoved(int label, Cell to);      // "Piece 7 moved to row 2, column 3"
std::string piecesSwapped(int first, int second);  // "Piece 2 and piece 5 swapped"
std::string pieceAt(int label, Cell cell);       // "Piece 7, row 2, column 3"
std::string piecePicked(int label);              // "Piece 7 picked"
std::string autoPlayOn();                        // "Automatic player on"
std::string autoPlayOff();                       // "Automatic player off"
std::string replayOfGame(int moves);             // "Replay of your game: 48 moves"
std::string shortestSolution(int moves);         // "Shortest solution: 44 moves"
std::string bestSolutionFound(int moves);        // "Best solution found: 140 moves"
std::string copyResult();                        // "Copy Result"
// "Mosaic Rush daily 2026-12-07: 48 moves (shortest 44), 1:12"; without the
// shortest where it is not known.
std::string dailyResult(const std::string& date, int moves, std::optional<int> shortest,
                        const std::string& time);

}  // namespace mosaic::texts
