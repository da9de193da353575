#include "core/box_slot.h"

#include "core/checked.h"
#include "core/reference.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace shieldcalc {

namespace {

using checked::Step;
using Complex = std::complex<double>;
constexpr Complex kJ{0, 1};

constexpr double kMetresPerCm = 1e-2;
constexpr double kHertzPerMHz = 1e6;

// Complex steps of one quantity: each result finite, each divisor non-zero.
class ComplexStep {
public:
    explicit ComplexStep(Quantity quantity) : step_(quantity) {}

    Complex operator()(Complex z) const {
        if (!std::isfinite(z.real()) || !std::isfinite(z.imag()))
            step_.fail(FaultKind::Overflow);
        return z;
    }
    Complex div(Complex a, Complex b) const {
        if (b == 0.0)
            step_.fail(a == 0.0 ? FaultKind::ZeroByZero : FaultKind::DivisionByZero);
        return (*this)(a / b);
    }
    // -20 log10 |z| + 20 log10 e^scale, in dB.
    double attenuationDb(Complex z, double scale) const {
        return step_.sub(step_.div(scale * 20, std::numbers::ln10),
                         step_.dbProductFirst(std::abs(z)));
    }

private:
    Step step_;
};

// A stretch d of the box's waveguide, of wavenumber kg and impedance Zg, as
// the line equations use it: cos kg d, sin kg d and Zg sin kg d, each times
// e^-scale with scale = |Im kg d|, so that an evanescent stretch does not
// overflow; and sin kg d / Zg, times the same factor.
struct Stretch {
    Complex cos, sin, zgSin, sinOverZg;
    double scale = 0;
};

// kg = k0 s and Zg = Z0 / s, with s = sqrt(1 - (lambda / 2a)^2).
Stretch stretch(double k0, Complex s, double z0, double d) {
    const Complex z = k0 * s * d;
    const double scale = std::abs(z.imag());
    // e^(jz) and e^(-jz), each times e^-scale.
    const Complex forward = std::polar(std::exp(-z.imag() - scale), z.real());
    const Complex backward = std::polar(std::exp(z.imag() - scale), -z.real());
    Stretch t;
    t.cos = (forward + backward) / 2.0;
    t.sin = (forward - backward) / (2.0 * kJ);
    // Zg sin kg d = Z0 k0 d sin(z) / z: finite at the TE10 cut-off, where s = 0.
    const Complex sinc = z == 0.0 ? Complex(1) : t.sin / z;
    t.zgSin = z0 * k0 * d * sinc;
    t.sinOverZg = t.sin * s / z0;
    t.scale = scale;
    return t;
}

double freeSpaceImpedance() {
    return kVacuumPermeability * speedOfLight();
}

// The effective width of a slot of width w in a wall of thickness t (any
// length unit); w itself for t = 0.
double effectiveWidth(double w, double t) {
    return t > 0 ? w - 5 * t / (4 * std::numbers::pi) * (1 + std::log(4 * std::numbers::pi * w / t))
                 : w;
}

bool wholeCount(float n) {
    return n >= 1 && std::trunc(n) == n;
}

// The frequency of mode (m, n, p) of a box a x h x b (m), MHz.
double modeMHz(double m, double n, double p, double a, double h, double b) {
    return speedOfLight() / 2 * std::sqrt(m * m / (a * a) + n * n / (h * h) + p * p / (b * b)) /
           kHertzPerMHz;
}

void add(std::vector<Advice>& advice, AdviceCode code, std::array<double, 3> values) {
    advice.push_back({code, adviceInfo(code).severity, values});
}

} // namespace

std::optional<BoxSlotRefusal> boxSlotRefusal(const BoxSlotInput& in) {
    using P = BoxSlotProblem;
    for (const Field<BoxSlotInput>& field : kBoxSlotFields) {
        if (!std::isfinite(in.*field.number))
            return BoxSlotRefusal{P::NotFinite, field.key, in.*field.number};
    }
    const std::pair<std::string_view, float> sizes[] = {{kFrequencyKey, in.f},
                                                        {"a", in.a},
                                                        {"h", in.h},
                                                        {"b", in.b},
                                                        {"slot_length", in.slotLength},
                                                        {"slot_width", in.slotWidth}};
    for (const auto& [key, value] : sizes) {
        if (!(value > 0))
            return BoxSlotRefusal{P::NotPositive, key, value};
    }
    if (in.slotLength > in.a)
        return BoxSlotRefusal{P::LongerThanBox, "slot_length", in.slotLength, in.a};
    if (in.slotWidth >= in.h)
        return BoxSlotRefusal{P::NotNarrowerThanBox, "slot_width", in.slotWidth, in.h};
    if (!wholeCount(in.slotCount))
        return BoxSlotRefusal{P::NotWholeCount, "slots", in.slotCount};
    if (in.l < 0)
        return BoxSlotRefusal{P::Negative, "l", in.l};
    if (in.l > 0 && (in.l >= in.slotWidth || !(effectiveWidth(in.slotWidth, in.l) > 0)))
        return BoxSlotRefusal{P::WallTooThick, "l", in.l, in.slotWidth};
    if (!(in.point >= 0 && in.point < in.b))
        return BoxSlotRefusal{P::OutsideBox, "point", in.point, in.b};
    return std::nullopt;
}

namespace {

const char* problemText(BoxSlotProblem problem) {
    switch (problem) {
    case BoxSlotProblem::NotFinite:
        return "an input of the box with a slot is not a finite number";
    case BoxSlotProblem::NotPositive:
        return "a size or the frequency of the box with a slot is not positive";
    case BoxSlotProblem::Negative:
        return "the wall thickness is negative";
    case BoxSlotProblem::NotWholeCount:
        return "the number of slots is not a whole number of at least 1";
    case BoxSlotProblem::LongerThanBox:
        return "the slot is longer than the box is wide";
    case BoxSlotProblem::NotNarrowerThanBox:
        return "the slot is not narrower than the box is high";
    case BoxSlotProblem::OutsideBox:
        return "the observation point is not inside the box";
    case BoxSlotProblem::WallTooThick:
        return "the wall is too thick for the slot's width";
    }
    return "";
}

} // namespace

BoxSlotRefused::BoxSlotRefused(const BoxSlotRefusal& refusal)
    : std::invalid_argument(problemText(refusal.problem)), refusal_(refusal) {}

BoxSlotSE boxSlotSE(const BoxSlotInput& in) {
    if (const auto refusal = boxSlotRefusal(in))
        throw BoxSlotRefused(*refusal);
    const double z0 = freeSpaceImpedance();
    const double a = in.a * kMetresPerCm;
    const double b = in.b * kMetresPerCm;
    const double L = in.slotLength * kMetresPerCm;
    const double P = in.point * kMetresPerCm;

    const Step w(Quantity::Wavelength);
    const double lambda = w.div(speedOfLight(), w.mul(in.f, kHertzPerMHz));
    const double k0 = w.div(2 * std::numbers::pi, lambda);

    // The slot as a coplanar-strip line of width we in a strip of height h.
    const Step line(Quantity::SlotLineImpedance);
    const double k = line.div(effectiveWidth(in.slotWidth, in.l), in.h);
    double z0s = 0;
    if (k <= std::numbers::sqrt2 / 2) {
        const double kPrime = line.sqrt(line.sub(1, line.square(k)));
        const double root = line.sqrt(kPrime);
        z0s = line.div(120 * std::numbers::pi * std::numbers::pi,
                       line.ln(line.div(2 * (1 + root), line.sub(1, root))));
    } else {
        const double root = line.sqrt(k);
        z0s = line.mul(120, line.ln(line.div(2 * (1 + root), line.sub(1, root))));
    }

    const Step ap(Quantity::ApertureImpedance);
    const double zap = ap.mul(ap.mul(ap.mul(0.5 * L / a, z0s), std::tan(k0 * L / 2)), in.slotCount);
    // The source seen from the slots: V1 (for a unit incident voltage) behind Z1.
    const ComplexStep c(Quantity::CavityField);
    const Complex apertureZ = kJ * zap;
    const Complex v1 = c.div(apertureZ, z0 + apertureZ);
    const Complex z1 = c.div(z0 * apertureZ, z0 + apertureZ);

    // The guide from the slots to the point, and from the point to the back wall.
    const Complex s = std::sqrt(Complex(1 - (lambda / (2 * a)) * (lambda / (2 * a))));
    const Stretch front = stretch(k0, s, z0, P);
    const Stretch back = stretch(k0, s, z0, b - P);
    const Complex frontDenominator = c(front.cos + kJ * c(z1 * front.sinOverZg));
    const Complex v2 = c.div(v1, frontDenominator);
    const Complex z2 = c.div(c(z1 * front.cos + kJ * front.zgSin), frontDenominator);
    // Vp = V2 Z3 / (Z2 + Z3) and Ip = V2 / (Z2 + Z3) with Z3 = j Zg tan kg (b - P),
    // written without the tangent so that a quarter wave before the wall is no pole.
    const Complex loop = c(c(z2 * back.cos) + kJ * back.zgSin);
    const Complex vp = c(v2 * c.div(kJ * back.zgSin, loop));
    const Complex ip = c(v2 * c.div(back.cos, loop));

    const ComplexStep se(Quantity::ShieldingEffectiveness);
    return {se.attenuationDb(2.0 * vp, front.scale),
            se.attenuationDb(c(2.0 * z0 * ip), front.scale)};
}

std::array<double, 3> cavityResonancesMHz(const BoxSlotInput& in) {
    const double a = in.a * kMetresPerCm;
    const double h = in.h * kMetresPerCm;
    const double b = in.b * kMetresPerCm;
    // A mode with an index of 4 or more has three lower ones beside it (the
    // same mode with that index 1, 2 or 3), so indexes up to 3 suffice.
    std::vector<double> modes;
    for (int m = 0; m <= 3; ++m) {
        for (int n = 0; n <= 3; ++n) {
            for (int p = 0; p <= 3; ++p) {
                if ((m > 0) + (n > 0) + (p > 0) >= 2)
                    modes.push_back(modeMHz(m, n, p, a, h, b));
            }
        }
    }
    std::sort(modes.begin(), modes.end());
    modes.erase(std::unique(modes.begin(), modes.end()), modes.end());
    return {modes[0], modes[1], modes[2]};
}

double nearestLineResonanceMHz(const BoxSlotInput& in) {
    const double a = in.a * kMetresPerCm;
    const double b = in.b * kMetresPerCm;
    // The index p at which TE10p would resonate at f, and its neighbours.
    const double twoOverLambda = 2 * in.f * kHertzPerMHz / speedOfLight();
    const double p = b * std::sqrt(std::max(0.0, twoOverLambda * twoOverLambda - 1 / (a * a)));
    const double below = std::max(1.0, std::floor(p));
    const double fBelow = modeMHz(1, 0, below, a, 1, b);
    const double fAbove = modeMHz(1, 0, below + 1, a, 1, b);
    return std::fabs(fBelow - in.f) <= std::fabs(fAbove - in.f) ? fBelow : fAbove;
}

double nextModeCutoffMHz(const BoxSlotInput& in) {
    const double a = in.a * kMetresPerCm;
    const double h = in.h * kMetresPerCm;
    return std::min(speedOfLight() / a, speedOfLight() / (2 * h)) / kHertzPerMHz;
}

BoxSlotResult boxSlot(const BoxSlotInput& input) {
    return {boxSlotSE(input), cavityResonancesMHz(input)};
}

BoxSlotResult boxSlot(const BoxSlotInput& input, SourceChoice) {
    return boxSlot(input);
}

std::vector<Advice> boxSlotAdvice(const BoxSlotInput& in, const std::optional<BoxSlotSE>& se) {
    std::vector<Advice> advice;
    if (boxSlotRefusal(in))
        return advice;
    if (se) {
        const double lowest = std::min(se->electric, se->magnetic);
        if (lowest < kNegativeSeDb)
            add(advice, AdviceCode::NearCavityResonance, {lowest, nearestLineResonanceMHz(in)});
    }
    const double nextMode = nextModeCutoffMHz(in);
    if (in.f > nextMode)
        add(advice, AdviceCode::BeyondSingleMode, {in.f, nextMode});
    const double halfWavelengthCm = speedOfLight() / (in.f * kHertzPerMHz) / 2 / kMetresPerCm;
    if (in.slotLength >= halfWavelengthCm)
        add(advice, AdviceCode::LongSlot, {in.slotLength, halfWavelengthCm});
    return advice;
}

std::vector<SweepPoint<BoxSlotResult>> sweep(const BoxSlotInput& input, SourceChoice,
                                             const SweepGrid& grid, SweepParts parts) {
    const std::vector<float> frequencies = sweepFrequencies(grid);
    BoxSlotInput in = input;
    in.f = frequencies.front();
    if (const auto refusal = boxSlotRefusal(in))
        throw BoxSlotRefused(*refusal);
    const std::array<double, 3> resonances = cavityResonancesMHz(in);
    std::vector<SweepPoint<BoxSlotResult>> points(frequencies.size());
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        SweepPoint<BoxSlotResult>& point = points[i];
        point.f = in.f = frequencies[i];
        try {
            point.se = BoxSlotResult{boxSlotSE(in), resonances};
        } catch (const ArithmeticFault& fault) {
            point.fault = fault;
        }
        if (parts.advice)
            point.advice = boxSlotAdvice(in, point.se ? std::optional(point.se->se) : std::nullopt);
    }
    return points;
}

} // namespace shieldcalc
