// Benchmarks of the engine: one auto-play tick at 10 x 10, a whole auto-play
// solve for each square size, and a board rebuild at 10 x 10 and X2. The
// platform does nothing (slides are not painted), so the figures are the
// engine's own work.

#include "engine/game.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <cstdint>
#include <optional>
#include <string>

namespace {

class SilentPlatform : public mosaic::Platform {
public:
    mosaic::MessageAnswer ShowMessage(const std::string&, const std::string&, mosaic::MessageIcon,
                                      mosaic::MessageButtons,
                                      mosaic::MessageAnswer defaultButton) override {
        return defaultButton;
    }
    void AnimationStep(int, int, int) override {}
    std::uint32_t ClockSeed() override { return seed; }
    std::optional<std::string> ShowFileDialog(mosaic::FileDialogKind, const std::string&) override {
        return std::nullopt;
    }

    std::uint32_t seed = 1;
};

// A game started as the window starts it, with the shipped picture.
struct BenchGame {
    SilentPlatform platform;
    mosaic::Game game{platform};

    BenchGame() { game.Form_Load(QImage(QStringLiteral(MOSAIC_DEFAULT_PICTURE)), QImage()); }

    // A new n x n deal with auto play switched on.
    void DealAndStart(int n) {
        ++platform.seed;
        game.ai_NxN_Click(n);
        game.CheckSolved();  // Solved still holds what the last game found
        game.COMMAND2_Click();
    }
};

// One Timer2 tick at 10 x 10, at the start speed; a solved board is dealt
// again outside the timing.
void BM_AutoPlayTick10x10(benchmark::State& state) {
    BenchGame b;
    b.DealAndStart(10);
    for (auto _ : state) {
        if (b.game.Solved || b.game.ManualMode) {
            state.PauseTiming();
            b.DealAndStart(10);
            state.ResumeTiming();
        }
        b.game.Timer2_Timer();
    }
}
BENCHMARK(BM_AutoPlayTick10x10);

// A whole auto-play solve of a fresh n x n deal, tick by tick until solved.
void BM_AutoPlaySolve(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    BenchGame b;
    long ticks = 0;
    long moves = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.DealAndStart(n);
        state.ResumeTiming();
        while (!b.game.Solved && !b.game.ManualMode) {
            b.game.Timer2_Timer();
            ++ticks;
            moves += b.game.MoveMade ? 1 : 0;
        }
    }
    state.counters["ticks"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
    state.counters["moves"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_AutoPlaySolve)->DenseRange(3, 10)->Unit(benchmark::kMillisecond);

// The board rebuild of a new game (deal and cut the pieces) at 10 x 10, X2.
void BM_RebuildBoard10x10X2(benchmark::State& state) {
    BenchGame b;
    if (b.game.PictureClip1.Width() == 0) {
        state.SkipWithError("the default picture could not be read");
        return;
    }
    b.game.ai_NxN_Click(10);
    b.game.ai_mag2_Click();
    for (auto _ : state) {
        ++b.platform.seed;
        b.game.RebuildBoard();
    }
}
BENCHMARK(BM_RebuildBoard10x10X2)->Unit(benchmark::kMillisecond);

}  // namespace
