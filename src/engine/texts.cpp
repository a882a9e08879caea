// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/texts.h"

#include <QCoreApplication>

namespace mosaic::texts {

namespace {

std::string translated(const QString& text) {
    return text.toStdString();
}

// A count in words. Translations give each language's plural forms through
// Qt's numerus forms; with none loaded, the English one and many stand.
std::string counted(const char* numerusSource, const char* englishOne, const char* englishMany,
                    int count) {
    const QString translatedText =
        QCoreApplication::translate("GameSession", numerusSource, nullptr, count);
    const QString untranslated =
        QString::fromUtf8(numerusSource).replace(QStringLiteral("%n"), QString::number(count));
    if (translatedText != untranslated)
        return translated(translatedText);
    return QString::fromUtf8(count == 1 ? englishOne : englishMany).arg(count).toStdString();
}

}  // namespace

// Each text is written out in a QCoreApplication::translate call, where
// lupdate finds it.
std::string slidingHint() {
    return translated(
        QCoreApplication::translate("GameSession", "Click on Puzzle pieces close to Blank Space"));
}
std::string swapHint() {
    return translated(QCoreApplication::translate("GameSession", "Click on Puzzle pieces to Swap"));
}
std::string working() {
    return translated(QCoreApplication::translate("GameSession", " WORKING!"));
}
std::string pieceCorrect() {
    return translated(QCoreApplication::translate("GameSession", "Piece is Correct!"));
}
std::string moves() {
    return translated(QCoreApplication::translate("GameSession", "Moves:"));
}
std::string time() {
    return translated(QCoreApplication::translate("GameSession", "Time:"));
}
std::string autoCaption() {
    return translated(QCoreApplication::translate("GameSession", "AUTO"));
}
std::string manualCaption() {
    return translated(QCoreApplication::translate("GameSession", "MANUAL"));
}
std::string left() {
    return translated(QCoreApplication::translate("GameSession", "L", "the Left button"));
}
std::string right() {
    return translated(QCoreApplication::translate("GameSession", "R", "the Right button"));
}
std::string up() {
    return translated(QCoreApplication::translate("GameSession", "U", "the Up button"));
}
std::string down() {
    return translated(QCoreApplication::translate("GameSession", "D", "the Down button"));
}
std::string gridSize(int columns, int rows) {
    return translated(QCoreApplication::translate("GameSession", "%1 X %2", "columns X rows")
                          .arg(columns)
                          .arg(rows));
}
std::string completed() {
    return translated(QCoreApplication::translate("GameSession", "Completed"));
}
std::string congratulations() {
    return translated(QCoreApplication::translate("GameSession", "Congratulations"));
}
std::string autoPlayTitle() {
    return translated(QCoreApplication::translate("GameSession", "Auto Play"));
}
std::string movesMade(int moves) {
    return translated(QCoreApplication::translate("GameSession", "Moves: %1").arg(moves));
}
std::string swapsMade(int swaps) {
    return translated(QCoreApplication::translate("GameSession", "Swaps: %1").arg(swaps));
}
std::string timeTaken(const std::string& time) {
    return translated(
        QCoreApplication::translate("GameSession", "Time: %1").arg(QString::fromStdString(time)));
}
std::string shortestMoves(int moves) {
    return counted(QT_TRANSLATE_N_NOOP("GameSession", "Shortest possible: %n move(s)"),
                   "Shortest possible: %1 move", "Shortest possible: %1 moves", moves);
}
std::string shortestSwaps(int swaps) {
    return counted(QT_TRANSLATE_N_NOOP("GameSession", "Shortest possible: %n swap(s)"),
                   "Shortest possible: %1 swap", "Shortest possible: %1 swaps", swaps);
}

std::string pieceMoved(int label, Cell to) {
    return translated(
        QCoreApplication::translate("GameSession", "Piece %1 moved to row %2, column %3")
            .arg(label)
            .arg(to.row)
            .arg(to.column));
}

std::string piecesSwapped(int first, int second) {
    return translated(QCoreApplication::translate("GameSession", "Piece %1 and piece %2 swapped")
                          .arg(first)
                          .arg(second));
}

std::string pieceAt(int label, Cell cell) {
    return translated(QCoreApplication::translate("GameSession", "Piece %1, row %2, column %3")
                          .arg(label)
                          .arg(cell.row)
                          .arg(cell.column));
}

std::string piecePicked(int label) {
    return translated(QCoreApplication::translate("GameSession", "Piece %1 picked").arg(label));
}

std::string autoPlayOn() {
    return translated(QCoreApplication::translate("GameSession", "Automatic player on"));
}

std::string autoPlayOff() {
    return translated(QCoreApplication::translate("GameSession", "Automatic player off"));
}

std::string replayOfGame(int moves) {
    return translated(
        QCoreApplication::translate("GameSession", "Replay of your game: %1 moves").arg(moves));
}

std::string shortestSolution(int moves) {
    return translated(
        QCoreApplication::translate("GameSession", "Shortest solution: %1 moves").arg(moves));
}

std::string bestSolutionFound(int moves) {
    return translated(
        QCoreApplication::translate("GameSession", "Best solution found: %1 moves").arg(moves));
}

std::string copyResult() {
    return translated(QCoreApplication::translate("GameSession", "Copy Result"));
}

std::string dailyResult(const std::string& date, int moves, std::optional<int> shortest,
                        const std::string& time) {
    const QString day = QString::fromStdString(date);
    const QString clock = QString::fromStdString(time);
    if (!shortest)
        return translated(
            QCoreApplication::translate("GameSession", "Mosaic Rush daily %1: %2 moves, %3")
                .arg(day)
                .arg(moves)
                .arg(clock));
    return translated(QCoreApplication::translate(
                          "GameSession", "Mosaic Rush daily %1: %2 moves (shortest %3), %4")
                          .arg(day)
                          .arg(moves)
                          .arg(*shortest)
                          .arg(clock));
}

}  // namespace mosaic::texts
