// Frequency sweeps: one calculation over a grid of frequencies.
//
// A SweepGrid runs from start to stop, in the calculation's own frequency
// unit (the input record's kFrequencyUnit), in 2 to 100,000 points
// spaced evenly on a logarithmic scale or, on request, a linear one. Each
// point's frequency is rounded to single precision as a typed input is, and
// its handbook value is the single computation at that frequency, to the
// bit. A point whose computation faults does not stop the sweep: it carries
// the fault and its plain cause in place of a value. Beside the handbook
// value a point can carry the reference model's value and the validity
// advice (core/reference.h, core/advice.h).
#pragma once

#include "core/advice.h"
#include "core/fault.h"
#include "core/fault_cause.h"
#include "core/inputs.h"
#include "core/reference.h"

#include <optional>
#include <stdexcept>
#include <vector>

namespace shieldcalc {

enum class Spacing { Logarithmic, Linear };

inline constexpr int kMinSweepPoints = 2;
inline constexpr int kMaxSweepPoints = 100000;
inline constexpr int kDefaultSweepPoints = 201;

struct SweepGrid {
    float start = 0;
    float stop = 0;
    int points = kDefaultSweepPoints;
    Spacing spacing = Spacing::Logarithmic;
};

class SweepGridError : public std::invalid_argument {
public:
    enum class Reason {
        NotFinite,         // start or stop infinite or not a number
        StartNotBelowStop, // start >= stop
        PointsOutOfRange,  // fewer than 2 or more than 100,000 points
        StartNotPositive,  // start <= 0 with logarithmic spacing
    };
    explicit SweepGridError(Reason reason);
    Reason reason() const { return reason_; }

private:
    Reason reason_;
};

// Throws SweepGridError for a grid that cannot be formed.
void checkSweepGrid(const SweepGrid& grid);

// The grid's frequencies, from start to stop, each rounded to single
// precision; throws SweepGridError for a grid that cannot be formed.
std::vector<float> sweepFrequencies(const SweepGrid& grid);

// What a sweep computes beside the handbook value.
struct SweepParts {
    bool reference = true;
    bool advice = true;
    ReferenceGeometry geometry = {}; // of the reference model
};

template <class Result> struct SweepPoint {
    float f = 0;                          // in the calculation's unit
    std::optional<Result> se;             // the handbook value; absent when it faulted
    std::optional<ArithmeticFault> fault; // why it did
    std::optional<FaultCause> cause;      // and the input to check, where plain
    std::optional<double> reference;      // the reference model's value
    std::vector<Advice> advice;
};

// The input's frequency is replaced by each of the grid's; throws
// SweepGridError before computing anything when the grid cannot be formed.
std::vector<SweepPoint<double>> sweep(const SolidShieldInput& input, SourceChoice source,
                                      const SweepGrid& grid, SweepParts parts = {});
std::vector<SweepPoint<float>> sweep(const DoubleLayerInput& input, SourceChoice source,
                                     const SweepGrid& grid, SweepParts parts = {});
std::vector<SweepPoint<double>> sweep(const ApertureInput& input, SourceChoice source,
                                      const SweepGrid& grid, SweepParts parts = {});
std::vector<SweepPoint<float>> sweep(const EnclosureInput& input, SourceChoice source,
                                     const SweepGrid& grid, SweepParts parts = {});

} // namespace shieldcalc
