// Time of a 10,000-point frequency sweep of each computation: the handbook
// values alone, and with the reference model and the validity advice at every
// point (for the solid sheet against a magnetic source, the coaxial-loop
// model: at most 50 ms). The inputs are ordinary shields, over six decades of frequency where
// no point faults. One iteration is one whole sweep.
#include "core/shielding.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

namespace {

using namespace shieldcalc;

constexpr int kPoints = 10000;
constexpr SweepParts kHandbookOnly{.reference = false, .advice = false};
constexpr SweepParts kEverything{.reference = true, .advice = true};

const ListIndex kCopper = materialIndex("copper");
const ListIndex kAluminium = materialIndex("aluminium");

template <class Input>
void sweeps(benchmark::State& state, Input input, SourceChoice source, SweepGrid grid,
            SweepParts parts) {
    for ([[maybe_unused]] auto iteration : state) {
        benchmark::DoNotOptimize(sweep(input, source, grid, parts));
    }
    state.SetItemsProcessed(state.iterations() * grid.points);
}

// f in MHz for the solid sheet, in kHz for the others: 1 kHz to 1 GHz.
const SweepGrid kMHz{1e-3f, 1e3f, kPoints};
const SweepGrid kKHz{1, 1e6f, kPoints};

const SolidShieldInput kSheet{.f = 0, .l = 0.05f, .r = 30, .material = kCopper};
const ApertureInput kHoles{.shape = 1,
                           .material = kAluminium,
                           .l = 0.3f,
                           .f = 0,
                           .D = 0.5f,
                           .r = 10,
                           .a = 0.2f,
                           .b = 0.1f,
                           .n = 1,
                           .w = 0};
const DoubleLayerInput kTwoSheets{
    .f = 0, .l1 = 0.01f, .r1 = 30, .material1 = kCopper, .l2 = 0.01f, .r2 = 1, .material2 = kIron};
const EnclosureInput kBox{.f = 0, .l = 0.01f, .a = 20, .b = 30, .h = 10, .material = kAluminium};
// A 30 x 12 x 30 cm box with a 10 x 0.5 cm slot, 10 MHz to 2 GHz: through its
// first resonances and beyond its one-mode range. It has advice but no
// reference model.
const BoxSlotInput kSlottedBox{.f = 0,
                               .a = 30,
                               .h = 12,
                               .b = 30,
                               .slotLength = 10,
                               .slotWidth = 0.5f,
                               .slotCount = 1,
                               .l = 0,
                               .point = 15};

// Each input swept twice: handbook values alone, then with everything.
template <class Input>
void registerSweeps(const std::string& name, const Input& input, FieldSource source,
                    const SweepGrid& grid) {
    for (const auto& [parts, suffix] :
         {std::pair(kHandbookOnly, "handbook"), std::pair(kEverything, "everything")}) {
        benchmark::RegisterBenchmark(("sweeps/" + name + "_" + suffix).c_str(), sweeps<Input>,
                                     input, source, grid, parts)
            ->Unit(benchmark::kMillisecond);
    }
}

[[maybe_unused]] const bool kRegistered = [] {
    registerSweeps("solid", kSheet, FieldSource::MagneticSource, kMHz);
    registerSweeps("aperture", kHoles, FieldSource::MagneticSource, kKHz);
    registerSweeps("double", kTwoSheets, FieldSource::ElectricSource, kKHz);
    registerSweeps("enclosure", kBox, FieldSource::MagneticSource, kKHz);
    registerSweeps("box_slot", kSlottedBox, FieldSource::PlaneWave, SweepGrid{10, 2000, kPoints});
    // The coaxial-loop reference of the double layer, and the hole array's.
    registerSweeps("double_magnetic", kTwoSheets, FieldSource::MagneticSource, kKHz);
    registerSweeps("aperture_plane", kHoles, FieldSource::PlaneWave, kKHz);
    return true;
}();

} // namespace
