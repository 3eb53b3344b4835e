// The inner loop of every tabulation: one condition and one count per sample.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <vector>

#include "zuntab.h"

namespace {

constexpr int kSamples = 1'000'000;
constexpr int kQuestions = 50;

// A synthetic survey: mixed choice counts and answer counts, every sample's
// packed words in one flat block.
struct SyntheticSurvey {
    std::vector<AnswerLayoutRec> layout;
    std::vector<int16_t> choiceCounts;
    int wordsPerSample = 0;
    std::vector<int16_t> packed;
    std::vector<std::array<LimitItem, 16>> conditions;

    SyntheticSurvey()
    {
        std::mt19937 rng(42);
        auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        int bit = 0;
        for (int q = 0; q < kQuestions; ++q) {
            const int choices = std::array{3, 5, 8, 12, 20, 40, 128}[uniform(0, 6)];
            const int slots = uniform(0, 2) == 0 ? uniform(2, 6) : 1;
            int bits = 0;
            while ((1 << bits) <= choices)
                ++bits;
            layout.push_back({static_cast<int16_t>(slots), static_cast<int16_t>(bit), static_cast<int16_t>(bits), 0});
            choiceCounts.push_back(static_cast<int16_t>(choices));
            bit += slots * bits;
        }
        layout.push_back({0, static_cast<int16_t>(bit), 0, 0});
        wordsPerSample = (bit + 15) / 16 + 1;
        packed.assign(static_cast<size_t>(kSamples) * wordsPerSample, 0);

        std::vector<int16_t> counts(kQuestions), values;
        for (int s = 0; s < kSamples; ++s) {
            values.clear();
            for (int q = 0; q < kQuestions; ++q) {
                counts[q] = static_cast<int16_t>(uniform(0, layout[q].Slots));
                for (int i = 0; i < counts[q]; ++i)
                    values.push_back(static_cast<int16_t>(uniform(1, choiceCounts[q] - 1)));
            }
            maAno_push_verstC(kQuestions, layout.data(), sample(s), counts.data(), values.data());
        }

        for (int c = 0; c < 64; ++c) {
            std::array<LimitItem, 16> cond{};
            const int rows = uniform(1, 4);
            int i = 1;
            for (int r = 0; r < rows; ++r) {
                const int q = uniform(0, kQuestions - 1);
                const int kind = uniform(0, 3) == 0 ? 4 : 3;
                cond[i++] = {static_cast<int16_t>(kind),
                             static_cast<int16_t>(q * 128 + uniform(0, choiceCounts[q] - 1))};
                if (uniform(0, 3) == 0)
                    cond[i++] = {1, static_cast<int16_t>(q * 128 + uniform(0, choiceCounts[q] - 1))};
                else if (uniform(0, 4) == 0)
                    cond[i++] = {2, static_cast<int16_t>(q * 128 + choiceCounts[q] - 1)};
            }
            conditions.push_back(cond);
        }
    }

    int16_t* sample(int s) { return packed.data() + static_cast<size_t>(s) * wordsPerSample; }
};

SyntheticSurvey& survey()
{
    static SyntheticSurvey instance;
    return instance;
}

void BM_lmDoC(benchmark::State& state)
{
    auto& sv = survey();
    int64_t met = 0;
    size_t c = 0;
    for (auto _ : state) {
        const auto& cond = sv.conditions[c++ % sv.conditions.size()];
        for (int s = 0; s < kSamples; ++s)
            met += lmDoC(cond.data(), sv.layout.data(), 0, sv.sample(s));
    }
    benchmark::DoNotOptimize(met);
    state.SetItemsProcessed(state.iterations() * kSamples);
    state.SetLabel("items = samples");
}

void BM_VerstTotalC(benchmark::State& state)
{
    auto& sv = survey();
    std::array<int32_t, 128> counts{};
    size_t c = 0;
    int64_t base = 0;
    for (auto _ : state) {
        const auto& cond = sv.conditions[c++ % sv.conditions.size()];
        const int16_t q = static_cast<int16_t>(c % kQuestions);
        for (int s = 0; s < kSamples; ++s)
            base += VerstTotalC(cond.data(), sv.layout.data(), 0, sv.sample(s), q, counts.data(), 0);
    }
    benchmark::DoNotOptimize(base);
    benchmark::DoNotOptimize(counts);
    state.SetItemsProcessed(state.iterations() * kSamples);
    state.SetLabel("items = samples");
}

}  // namespace

BENCHMARK(BM_lmDoC)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_VerstTotalC)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_MAIN();
