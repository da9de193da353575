#include "core/sweep.h"

#include "core/reference.h"
#include "core/shielding.h"

#include <cmath>

namespace shieldcalc {

namespace {

const char* reasonText(SweepGridError::Reason reason) {
    switch (reason) {
    case SweepGridError::Reason::NotFinite:
        return "the start and the stop of a sweep must be finite numbers";
    case SweepGridError::Reason::StartNotBelowStop:
        return "the start of a sweep must be below its stop";
    case SweepGridError::Reason::PointsOutOfRange:
        return "a sweep has 2 to 100000 points";
    case SweepGridError::Reason::StartNotPositive:
        return "a logarithmic sweep must start above 0";
    }
    return "";
}

template <class Input, class Result>
std::vector<SweepPoint<Result>> sweepOf(Result (*compute)(const Input&, SourceChoice), Input input,
                                        SourceChoice source, const SweepGrid& grid,
                                        SweepParts parts) {
    const std::vector<float> frequencies = sweepFrequencies(grid);
    std::vector<SweepPoint<Result>> points(frequencies.size());
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        SweepPoint<Result>& point = points[i];
        point.f = input.f = frequencies[i];
        try {
            point.se = compute(input, source);
        } catch (const ArithmeticFault& fault) {
            point.fault = fault;
            point.cause = faultCause(fault, input, source);
        }
        if (parts.reference)
            point.reference = referenceSE(input, source, parts.geometry);
        if (parts.advice) {
            const Results results{point.se ? std::optional<double>(*point.se) : std::nullopt,
                                  point.reference};
            point.advice = validityAdvice(input, source, results);
        }
    }
    return points;
}

} // namespace

SweepGridError::SweepGridError(Reason reason)
    : std::invalid_argument(reasonText(reason)), reason_(reason) {}

void checkSweepGrid(const SweepGrid& grid) {
    using Reason = SweepGridError::Reason;
    if (!std::isfinite(grid.start) || !std::isfinite(grid.stop))
        throw SweepGridError(Reason::NotFinite);
    if (!(grid.start < grid.stop))
        throw SweepGridError(Reason::StartNotBelowStop);
    if (grid.points < kMinSweepPoints || grid.points > kMaxSweepPoints)
        throw SweepGridError(Reason::PointsOutOfRange);
    if (grid.spacing == Spacing::Logarithmic && !(grid.start > 0))
        throw SweepGridError(Reason::StartNotPositive);
}

std::vector<float> sweepFrequencies(const SweepGrid& grid) {
    checkSweepGrid(grid);
    const bool log = grid.spacing == Spacing::Logarithmic;
    const double first = log ? std::log(double(grid.start)) : grid.start;
    const double last = log ? std::log(double(grid.stop)) : grid.stop;
    const auto steps = static_cast<double>(grid.points - 1);
    std::vector<float> frequencies(static_cast<std::size_t>(grid.points));
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        const double x = first + (last - first) * (static_cast<double>(i) / steps);
        frequencies[i] = static_cast<float>(log ? std::exp(x) : x);
    }
    frequencies.front() = grid.start;
    frequencies.back() = grid.stop;
    return frequencies;
}

std::vector<SweepPoint<double>> sweep(const SolidShieldInput& input, SourceChoice source,
                                      const SweepGrid& grid, SweepParts parts) {
    return sweepOf(solidShieldSE, input, source, grid, parts);
}
std::vector<SweepPoint<float>> sweep(const DoubleLayerInput& input, SourceChoice source,
                                     const SweepGrid& grid, SweepParts parts) {
    return sweepOf(doubleLayerSE, input, source, grid, parts);
}
std::vector<SweepPoint<double>> sweep(const ApertureInput& input, SourceChoice source,
                                      const SweepGrid& grid, SweepParts parts) {
    return sweepOf(apertureSE, input, source, grid, parts);
}
std::vector<SweepPoint<float>> sweep(const EnclosureInput& input, SourceChoice source,
                                     const SweepGrid& grid, SweepParts parts) {
    return sweepOf(enclosureSE, input, source, grid, parts);
}

} // namespace shieldcalc
