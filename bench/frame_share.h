#pragma once
// Timing a step of the window as a share of one frame at 60 frames a second.

#include <benchmark/benchmark.h>

#include <chrono>

inline constexpr double kFrameSeconds = 1.0 / 60;

// Runs `step` once per iteration and reports its mean wall time as a per-cent of a frame.
template <typename Step>
void timeAsFrameShare(benchmark::State& state, Step step) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) step();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.counters["frame_share_%"] =
        100 * elapsed.count() / static_cast<double>(state.iterations()) / kFrameSeconds;
}
