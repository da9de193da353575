// Time per evaluation of each of the four computations. Each benchmark cycles
// through a few hundred input records drawn once, before timing, from a wide
// spread of frequencies, dimensions, materials and sources; only records that
// compute without a fault are kept, so every timed evaluation runs to the end.
// One iteration is one evaluation, so the time per iteration is the time per
// evaluation.
#include "core/shielding.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

using namespace shieldcalc;

constexpr std::size_t kRecords = 256; // a power of two, cycled through by mask

template <class Input> struct Record {
    Input input;
    SourceChoice source;
};

class Draw {
public:
    // Spread evenly over the decades from low to high.
    float logUniform(float low, float high) {
        std::uniform_real_distribution<double> exponent(std::log10(low), std::log10(high));
        return static_cast<float>(std::pow(10.0, exponent(random_)));
    }
    ListIndex index(int first, int last) {
        return static_cast<ListIndex>(std::uniform_int_distribution<int>(first, last)(random_));
    }
    ListIndex material() { return index(0, 5); }
    FieldSource source(FieldSource first, FieldSource last) {
        return static_cast<FieldSource>(index(static_cast<int>(first), static_cast<int>(last)));
    }

private:
    std::mt19937 random_{20240611};
};

template <class Input, class Result, class DrawRecord>
std::vector<Record<Input>> validRecords(Result (*compute)(const Input&, SourceChoice),
                                        DrawRecord drawRecord) {
    Draw draw;
    std::vector<Record<Input>> records;
    while (records.size() < kRecords) {
        const Record<Input> record = drawRecord(draw);
        try {
            compute(record.input, record.source);
            records.push_back(record);
        } catch (const ArithmeticFault&) {
            // drawn outside the formulas' domain; draw again
        }
    }
    return records;
}

template <class Input, class Result>
void evaluations(benchmark::State& state, Result (*compute)(const Input&, SourceChoice),
                 const std::vector<Record<Input>>& records) {
    std::size_t next = 0;
    for ([[maybe_unused]] auto iteration : state) {
        const Record<Input>& record = records[next++ & (kRecords - 1)];
        benchmark::DoNotOptimize(compute(record.input, record.source));
    }
    state.SetItemsProcessed(state.iterations());
}

const auto kSolidRecords = validRecords(&solidShieldSE, [](Draw& d) {
    const SolidShieldInput input{.f = d.logUniform(1e-3f, 1e4f),
                                 .l = d.logUniform(1e-4f, 1),
                                 .r = d.logUniform(1, 100),
                                 .material = d.material()};
    return Record<SolidShieldInput>{input,
                                    d.source(FieldSource::PlaneWave, FieldSource::ElectricSource)};
});

const auto kApertureRecords = validRecords(&apertureSE, [](Draw& d) {
    ApertureInput input;
    input.shape = d.index(0, 1);
    input.material = d.material();
    input.l = d.logUniform(0.05f, 1);
    input.f = d.logUniform(1, 1e6f);
    input.D = d.logUniform(0.1f, 2);
    input.r = d.logUniform(1, 100);
    input.a = d.logUniform(0.01f, 1);
    input.b = d.logUniform(0.05f, 1);
    input.n = d.logUniform(0.5f, 10);
    input.w = d.logUniform(0.1f, 2);
    return Record<ApertureInput>{input,
                                 d.source(FieldSource::PlaneWave, FieldSource::ElectricSource)};
});

const auto kDoubleLayerRecords = validRecords(&doubleLayerSE, [](Draw& d) {
    DoubleLayerInput input;
    input.f = d.logUniform(1, 1e6f);
    input.l1 = d.logUniform(1e-3f, 0.5f);
    input.r1 = d.logUniform(1, 100);
    input.material1 = d.material();
    input.l2 = d.logUniform(1e-3f, 0.5f);
    input.r2 = d.logUniform(0.5f, 20);
    input.material2 = d.material();
    return Record<DoubleLayerInput>{input,
                                    d.source(FieldSource::PlaneWave, FieldSource::ElectricSource)};
});

const auto kEnclosureRecords = validRecords(&enclosureSE, [](Draw& d) {
    EnclosureInput input;
    input.f = d.logUniform(1, 1e6f);
    input.l = d.logUniform(1e-3f, 0.5f);
    input.a = d.logUniform(5, 100);
    input.b = d.logUniform(5, 100);
    input.h = d.logUniform(5, 100);
    input.material = d.material();
    return Record<EnclosureInput>{
        input, d.source(FieldSource::MagneticSource, FieldSource::ElectricSource)};
});

BENCHMARK_CAPTURE(evaluations, solidShieldSE, &solidShieldSE, kSolidRecords);
BENCHMARK_CAPTURE(evaluations, apertureSE, &apertureSE, kApertureRecords);
BENCHMARK_CAPTURE(evaluations, doubleLayerSE, &doubleLayerSE, kDoubleLayerRecords);
BENCHMARK_CAPTURE(evaluations, enclosureSE, &enclosureSE, kEnclosureRecords);

} // namespace
