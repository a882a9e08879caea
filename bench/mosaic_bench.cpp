// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the engine: one auto-play tick at 10 x 10, a whole auto-play
// solve for each square size, and a board rebuild at 10 x 10 and X2. The
// platform does nothing (slides are not painted), so the figures are the
// engine's own work.

#include "engine/session.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <cstdint>
#include <optional>
#include <string>

namespace {

class SilentPlatform : public mosaic::Platform {
public:
    mosaic::MessageAnswer showMessage(const mosaic::Message& message) override {
        return message.defaultButton;
    }
    void slideFrame(int, int, int) override {}
    void solveInBackground(const mosaic::SolverBoard&, const mosaic::SolverBoard&, int,
                           mosaic::SolveChannel) override {}
    std::vector<std::string> gameCompleted(const mosaic::CompletedGame&) override { return {}; }
    std::int64_t monotonicMs() override { return 0; }
    std::uint32_t clockSeed() override { return seed; }
    std::optional<std::string> chooseFile(mosaic::FileDialogKind, const std::string&) override {
        return std::nullopt;
    }

    std::uint32_t seed = 1;
};

// A session started as the window starts it, with the shipped picture.
struct BenchSession {
    SilentPlatform platform;
    mosaic::GameSession session{platform, QImage(QStringLiteral(MOSAIC_DEFAULT_PICTURE)), QImage()};

    // A new n x n deal with auto play switched on.
    void dealAndStart(int n) {
        ++platform.seed;
        session.chooseSize(n);
        session.toggleAutoPlay();
    }
    bool running() const {
        return session.window().autoPlayTimer.running && !(session.board() == session.goal());
    }
};

// One auto-play tick at 10 x 10, at the start speed; a solved board is dealt
// again outside the timing.
void BM_AutoPlayTick10x10(benchmark::State& state) {
    BenchSession b;
    b.dealAndStart(10);
    for (auto _ : state) {
        if (!b.running()) {
            state.PauseTiming();
            b.dealAndStart(10);
            state.ResumeTiming();
        }
        b.session.autoPlayTick();
    }
}
BENCHMARK(BM_AutoPlayTick10x10);

// A whole auto-play solve of a fresh n x n deal, tick by tick until solved.
void BM_AutoPlaySolve(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    BenchSession b;
    long ticks = 0;
    long moves = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.dealAndStart(n);
        state.ResumeTiming();
        while (b.running()) {
            b.session.autoPlayTick();
            ++ticks;
        }
        moves += b.session.moveCount();
    }
    state.counters["ticks"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
    state.counters["moves"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_AutoPlaySolve)->DenseRange(3, 10)->Unit(benchmark::kMillisecond);

// The board rebuild of a new game (deal and cut the pieces) at 10 x 10, X2.
void BM_RebuildBoard10x10X2(benchmark::State& state) {
    BenchSession b;
    if (b.session.defaultPicture().isNull()) {
        state.SkipWithError("the default picture could not be read");
        return;
    }
    b.session.chooseMagnification(2);
    for (auto _ : state) {
        ++b.platform.seed;
        b.session.chooseSize(10);
    }
}
BENCHMARK(BM_RebuildBoard10x10X2)->Unit(benchmark::kMillisecond);

}  // namespace
