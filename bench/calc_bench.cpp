// Time of one press of the calculate button without the window, and of all typed amounts.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calc/calc.h"

namespace {

constexpr int kAmountCount = 1000000;

const std::vector<std::string>& amountTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all;
        all.reserve(kAmountCount);
        for (int amount = 0; amount < kAmountCount; ++amount) all.push_back(std::to_string(amount));
        return all;
    }();
    return texts;
}

void calculate(const std::string& text) {
    const auto amount = calc::ReadAmount(text);
    auto texts = calc::ResultTexts(calc::ComputeFigures(*amount));
    benchmark::DoNotOptimize(texts);
}

// ReadAmount, ComputeFigures and ResultTexts for one amount, cycling through all of them.
void BM_OneCalculation(benchmark::State& state) {
    const auto& texts = amountTexts();
    std::size_t next = 0;
    for (auto _ : state) {
        calculate(texts[next]);
        next = next + 7919 < texts.size() ? next + 7919 : next + 7919 - texts.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OneCalculation);

// FormatTwoPlaces alone, on a typical repayment.
void BM_FormatTwoPlaces(benchmark::State& state) {
    double value = 5061.849777;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        auto text = calc::FormatTwoPlaces(value);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatTwoPlaces);

// All 1,000,000 amounts that can be typed.
void BM_WholeSweep(benchmark::State& state) {
    const auto& texts = amountTexts();
    for (auto _ : state) {
        for (const auto& text : texts) calculate(text);
    }
    state.SetItemsProcessed(state.iterations() * kAmountCount);
}
BENCHMARK(BM_WholeSweep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
