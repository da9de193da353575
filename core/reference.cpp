#include "core/reference.h"

#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <span>
#include <vector>

namespace shieldcalc {

namespace {

using Complex = std::complex<double>;
constexpr Complex kJ{0, 1};

constexpr double kMetresPerCm = 1e-2;
// The lowest cut-off of a circular waveguide (TE11) is 1.8412 c / (pi D).
constexpr double kCircularCutoffFactor = 1.8412;
// The magnetic polarisability of a square hole of side s is 0.2590 s^3.
constexpr double kSquarePolarisability = 0.2590;
// A rectangular hole counts as square when w^2 is within 1 % of its area.
constexpr double kSquareTolerance = 0.01;

// The shape chosen for the holes; absent when none is.
std::optional<HoleShape> holeShape(const ApertureInput& in) {
    if (in.shape != static_cast<ListIndex>(HoleShape::RectangularHole) &&
        in.shape != static_cast<ListIndex>(HoleShape::CircularHole))
        return std::nullopt;
    return static_cast<HoleShape>(in.shape);
}
// Beyond this many nepers through a wall, cosh and sinh are formed with
// e^(gamma t) factored out.
constexpr double kFactorOutNepers = 1;

// A wall's material in SI units at angular frequency omega.
struct Medium {
    Complex gamma; // propagation constant, 1/m
    Complex eta;   // intrinsic impedance, ohm
};

std::optional<Medium> medium(const MaterialChoice& choice, float f, FrequencyUnit unit,
                             double omega) {
    const Material m = materialOf(choice, f, unit);
    if (!(m.sigmaR > 0) || !(m.muR > 0))
        return std::nullopt;
    const double mu = m.muR * kVacuumPermeability;
    const Complex admittance = m.sigmaR * kCopperConductivity + kJ * omega * kVacuumPermittivity;
    const Complex series = kJ * omega * mu;
    return Medium{std::sqrt(series * admittance), std::sqrt(series / admittance)};
}

// cosh u and sinh u as e^scale times the two values held.
struct HyperbolicPair {
    Complex cosh, sinh;
    double scale = 0; // natural logarithm of the common factor
};

HyperbolicPair hyperbolic(Complex u) {
    if (u.real() < kFactorOutNepers)
        return {std::cosh(u), std::sinh(u)};
    // cosh u = e^u (1 + e^-2u) / 2 and sinh u = e^u (1 - e^-2u) / 2, with
    // |e^-2u| < 1 and e^u = e^Re(u) e^(j Im u).
    const Complex decay = std::exp(-2.0 * u);
    const Complex half = std::polar(0.5, u.imag());
    return {half * (1.0 + decay), half * (1.0 - decay), u.real()};
}

// A two-port chain matrix [[A, B], [C, D]] times e^scale.
struct Chain {
    Complex A{1}, B{0}, C{0}, D{1};
    double scale = 0;
};

Chain operator*(const Chain& x, const Chain& y) {
    return {x.A * y.A + x.B * y.C, x.A * y.B + x.B * y.D, x.C * y.A + x.D * y.C,
            x.C * y.B + x.D * y.D, x.scale + y.scale};
}

Chain slab(const Medium& wall, double thickness) {
    const HyperbolicPair h = hyperbolic(wall.gamma * thickness);
    return {h.cosh, wall.eta * h.sinh, h.sinh / wall.eta, h.cosh, h.scale};
}

double freeSpaceImpedance() {
    return std::sqrt(kVacuumPermeability / kVacuumPermittivity);
}

Chain airGap(double omega, double gap) {
    const double kd = omega / speedOfLight() * gap;
    const double eta0 = freeSpaceImpedance();
    return {std::cos(kd), kJ * eta0 * std::sin(kd), kJ * std::sin(kd) / eta0, std::cos(kd)};
}

// The wave impedance that meets the shield at distance r (m), for the
// sources that the transmission-line form models.
std::optional<Complex> waveImpedance(FieldSource source, double omega, double r) {
    if (source == FieldSource::PlaneWave)
        return freeSpaceImpedance();
    if (source == FieldSource::ElectricSource && r > 0)
        return 1.0 / (kJ * omega * kVacuumPermittivity * r);
    return std::nullopt;
}

// 20 log10 |x| + the scale in dB; absent unless finite.
std::optional<double> decibels(Complex x, double scale = 0) {
    const double db = 20 * (std::log10(std::abs(x)) + scale / std::numbers::ln10);
    return std::isfinite(db) ? std::optional(db) : std::nullopt;
}

// SE of a chain between source and load of impedance Z.
std::optional<double> transmission(const Chain& m, Complex Z) {
    return decibels((m.A + m.B / Z + m.C * Z + m.D) / 2.0, m.scale);
}

// One layer between the loops: a sheet, or an air gap (k2 = 0, muR = 1).
struct LoopLayer {
    double thickness = 0; // m
    double muR = 1;
    double k2 = 0; // omega mu0 muR sigma, 1/m^2
};

// The layer of a wall at angular frequency omega; absent without a material.
std::optional<LoopLayer> loopLayer(const MaterialChoice& choice, float f, FrequencyUnit unit,
                                   double omega, double thicknessCm) {
    const Material m = materialOf(choice, f, unit);
    if (!(m.sigmaR > 0) || !(m.muR > 0))
        return std::nullopt;
    return LoopLayer{thicknessCm * kMetresPerCm, m.muR,
                     omega * kVacuumPermeability * m.muR * m.sigmaR * kCopperConductivity};
}

// The nodes and weights of the n-point Gauss-Laguerre rule for the weight
// x^2 e^(-x) on [0, inf), by Newton's method on the Laguerre polynomial
// L_n^(2) from the usual asymptotic first guesses.
struct LaguerreRule {
    static constexpr int kPoints = 40;
    std::array<double, kPoints> nodes{}, weights{};
    double total = 0; // of the weights
};

LaguerreRule laguerreRule() {
    constexpr int n = LaguerreRule::kPoints;
    constexpr double alpha = 2;
    LaguerreRule rule;
    double z = 0;
    for (int i = 0; i < n; ++i) {
        if (i == 0) {
            z = (1 + alpha) * (3 + 0.92 * alpha) / (1 + 2.4 * n + 1.8 * alpha);
        } else if (i == 1) {
            z += (15 + 6.25 * alpha) / (1 + 0.9 * alpha + 2.5 * n);
        } else {
            const double ai = i - 1;
            z += ((1 + 2.55 * ai) / (1.9 * ai) + 1.26 * ai * alpha / (1 + 3.5 * ai)) /
                 (1 + 0.3 * alpha) * (z - rule.nodes[std::size_t(i - 2)]);
        }
        double p1 = 0, p2 = 0, derivative = 0;
        for (int iteration = 0; iteration < 100; ++iteration) {
            p1 = 1;
            p2 = 0;
            for (int j = 1; j <= n; ++j) {
                const double p3 = p2;
                p2 = p1;
                p1 = ((2 * j - 1 + alpha - z) * p2 - (j - 1 + alpha) * p3) / j;
            }
            derivative = (n * p1 - (n + alpha) * p2) / z;
            const double previous = z;
            z = previous - p1 / derivative;
            if (std::fabs(z - previous) <= 1e-15 * z)
                break;
        }
        rule.nodes[std::size_t(i)] = z;
        rule.weights[std::size_t(i)] =
            -std::exp(std::lgamma(alpha + n) - std::lgamma(double(n))) / (derivative * n * p2);
        rule.total += rule.weights[std::size_t(i)];
    }
    return rule;
}

// The chain matrix of a layer at radial wavenumber lambda, with e^Re(tau t)
// factored out: cosh and sinh of u = x + j y as (e^(jy) +- e^(-2x) e^(-jy)) / 2.
Chain loopChain(const LoopLayer& layer, double lambda) {
    const Complex tau = std::sqrt(Complex(lambda * lambda, layer.k2));
    const Complex u = tau * layer.thickness;
    const double decay = std::exp(-2 * u.real());
    const double c = std::cos(u.imag()) / 2;
    const double s = std::sin(u.imag()) / 2;
    const Complex cosh{(1 + decay) * c, (1 - decay) * s};
    const Complex sinh{(1 - decay) * c, (1 + decay) * s};
    return {cosh, layer.muR / tau * sinh, tau / layer.muR * sinh, cosh, u.real()};
}

// The loop-source SE of a stack of layers, the loops h (m) apart outside it.
// With x = lambda d' the integral is e^-S0 / d'^3 times the sum over the rule
// of w G(x): S0 the stack's attenuation at lambda = 0 and d' = h plus each
// layer's thickness weighted by how fast its attenuation grows with lambda
// (1 for a gap, near 0 for a wall much thicker than a skin depth), so that
// G varies slowly and no exponential is formed alone.
std::optional<double> loopSourceSE(std::span<const LoopLayer> stack, double h) {
    static const LaguerreRule rule = laguerreRule();
    double distance = h;          // between the loops
    double attenuation = 0;       // S0, nepers
    double scaledDistance = h;    // d'
    const double typical = 3 / h; // lambda at the centre of the rule's weight
    for (const LoopLayer& layer : stack) {
        distance += layer.thickness;
        attenuation += std::sqrt(Complex(0, layer.k2)).real() * layer.thickness;
        const Complex tau = std::sqrt(Complex(typical * typical, layer.k2));
        scaledDistance += (typical / tau).real() * layer.thickness;
    }
    Complex sum = 0;
    for (std::size_t i = 0; i < rule.nodes.size(); ++i) {
        const double lambda = rule.nodes[i] / scaledDistance;
        Chain m = loopChain(stack.front(), lambda);
        for (const LoopLayer& layer : stack.subspan(1))
            m = m * loopChain(layer, lambda);
        const Complex denominator = m.A + m.B * lambda + m.C / lambda + m.D;
        const double exponent = attenuation - m.scale + lambda * (scaledDistance - h);
        sum += rule.weights[i] * 2.0 * std::exp(exponent) / denominator;
    }
    // 20 log10( [2 / d^3] / [e^-S0 |sum| / d'^3] ), with 2 = int_0^inf x^2 e^-x dx formed by
    // the same rule, so that a stack without metal is 0 dB to the last bit.
    return decibels(rule.total * std::pow(scaledDistance / distance, 3) / std::abs(sum),
                    attenuation);
}

// The receiver's distance behind the shield, m: as given, or that of the
// source; absent when negative.
std::optional<double> receiverDistance(const ReferenceGeometry& geometry, double sourceM) {
    if (!geometry.receiverCm)
        return sourceM;
    if (!(*geometry.receiverCm >= 0))
        return std::nullopt;
    return *geometry.receiverCm * kMetresPerCm;
}

} // namespace

double speedOfLight() {
    return 1 / std::sqrt(kVacuumPermeability * kVacuumPermittivity);
}

std::optional<double> referenceSE(const SolidShieldInput& in, SourceChoice source,
                                  const ReferenceGeometry& geometry) {
    const double f = inHertz(in.f, SolidShieldInput::kFrequencyUnit);
    if (!source || !(f > 0) || !(in.l >= 0))
        return std::nullopt;
    const double omega = 2 * std::numbers::pi * f;
    const double r = in.r * kMetresPerCm;
    if (source == FieldSource::MagneticSource) {
        const auto wall =
            loopLayer(in.material, in.f, SolidShieldInput::kFrequencyUnit, omega, in.l);
        const auto receiver = receiverDistance(geometry, r);
        if (!wall || !receiver || !(r > 0))
            return std::nullopt;
        return loopSourceSE(std::array{*wall}, r + *receiver);
    }
    const auto wall = medium(in.material, in.f, SolidShieldInput::kFrequencyUnit, omega);
    const auto Z = waveImpedance(*source, omega, r);
    if (!wall || !Z)
        return std::nullopt;
    return transmission(slab(*wall, in.l * kMetresPerCm), *Z);
}

std::optional<double> referenceSE(const DoubleLayerInput& in, SourceChoice source,
                                  const ReferenceGeometry& geometry) {
    const double f = inHertz(in.f, DoubleLayerInput::kFrequencyUnit);
    if (!source || !(f > 0) || !(in.l1 >= 0) || !(in.l2 >= 0) || !(in.r2 >= 0))
        return std::nullopt;
    const double omega = 2 * std::numbers::pi * f;
    const double r1 = in.r1 * kMetresPerCm;
    if (source == FieldSource::MagneticSource) {
        const auto wall1 =
            loopLayer(in.material1, in.f, DoubleLayerInput::kFrequencyUnit, omega, in.l1);
        const auto wall2 =
            loopLayer(in.material2, in.f, DoubleLayerInput::kFrequencyUnit, omega, in.l2);
        const auto receiver = receiverDistance(geometry, r1);
        if (!wall1 || !wall2 || !receiver || !(r1 > 0))
            return std::nullopt;
        const LoopLayer gap{in.r2 * kMetresPerCm};
        return loopSourceSE(std::array{*wall1, gap, *wall2}, r1 + *receiver);
    }
    const auto wall1 = medium(in.material1, in.f, DoubleLayerInput::kFrequencyUnit, omega);
    const auto wall2 = medium(in.material2, in.f, DoubleLayerInput::kFrequencyUnit, omega);
    const auto Z = waveImpedance(*source, omega, r1);
    if (!wall1 || !wall2 || !Z)
        return std::nullopt;
    return transmission(slab(*wall1, in.l1 * kMetresPerCm) * airGap(omega, in.r2 * kMetresPerCm) *
                            slab(*wall2, in.l2 * kMetresPerCm),
                        *Z);
}

double holeCutoffHertz(HoleShape shape, double sizeCm) {
    const double metres = sizeCm * kMetresPerCm;
    return shape == HoleShape::CircularHole
               ? kCircularCutoffFactor * speedOfLight() / (std::numbers::pi * metres)
               : speedOfLight() / (2 * metres);
}

std::optional<HoleArrayLimit> holeArrayLimit(const ApertureInput& in, SourceChoice source) {
    const auto shape = holeShape(in);
    const double size = shape == HoleShape::CircularHole ? in.D : in.w;
    if (!source || !shape || !(size > 0))
        return std::nullopt;
    if (source != FieldSource::PlaneWave)
        return HoleArrayLimit::NearField;
    if (shape == HoleShape::RectangularHole &&
        !(std::fabs(double(in.w) * in.w - in.a) <= kSquareTolerance * in.a))
        return HoleArrayLimit::NotSquare;
    if (!(inHertz(in.f, ApertureInput::kFrequencyUnit) < holeCutoffHertz(*shape, size)))
        return HoleArrayLimit::AboveCutoff;
    return std::nullopt;
}

std::optional<double> referenceSE(const ApertureInput& in, SourceChoice source,
                                  const ReferenceGeometry&) {
    const auto shape = holeShape(in);
    const double f = inHertz(in.f, ApertureInput::kFrequencyUnit);
    const double n = in.n / (kMetresPerCm * kMetresPerCm);
    const double depth = in.l * kMetresPerCm;
    if (source != FieldSource::PlaneWave || !shape || holeArrayLimit(in, source) || !(f > 0) ||
        !(n > 0) || !(depth >= 0))
        return std::nullopt;
    const bool circular = shape == HoleShape::CircularHole;
    const double size = (circular ? in.D : in.w) * kMetresPerCm;
    const double polarisability =
        circular ? std::pow(size, 3) / 6 : kSquarePolarisability * std::pow(size, 3);
    const double x = 2 * (2 * std::numbers::pi * f / speedOfLight()) * n * polarisability;
    const double cutoff = holeCutoffHertz(*shape, size / kMetresPerCm);
    const double depthNepers =
        2 * std::numbers::pi / speedOfLight() * std::sqrt(cutoff * cutoff - f * f) * depth;
    return decibels(std::sqrt(1 + 1 / (x * x)), depthNepers);
}

std::optional<double> referenceSE(const EnclosureInput& in, SourceChoice source,
                                  const ReferenceGeometry&) {
    const double f = inHertz(in.f, EnclosureInput::kFrequencyUnit);
    const double volume = double(in.a) * in.b * in.h * std::pow(kMetresPerCm, 3);
    const double t = in.l * kMetresPerCm;
    if (!(f > 0) || !(volume > 0) || !(t >= 0))
        return std::nullopt;
    const double r0 = std::cbrt(3 * volume / (4 * std::numbers::pi));
    const Material m = materialOf(in.material, in.f, EnclosureInput::kFrequencyUnit);
    if (!(t < r0) || !(m.sigmaR > 0) || !(m.muR > 0))
        return std::nullopt;
    const double omega = 2 * std::numbers::pi * f;
    const double sigma = m.sigmaR * kCopperConductivity;
    if (source == FieldSource::MagneticSource) {
        // The thin-shell sphere: |cosh kt + (k r0 / muR + 2 muR / (k r0)) sinh kt / 3|.
        const double skinDepth = std::sqrt(2 / (omega * m.muR * kVacuumPermeability * sigma));
        const Complex kr0 = Complex(1, 1) / skinDepth * r0;
        const HyperbolicPair h = hyperbolic(Complex(1, 1) / skinDepth * t);
        return decibels(h.cosh + (kr0 / double(m.muR) + 2.0 * double(m.muR) / kr0) * h.sinh / 3.0,
                        h.scale);
    }
    if (source == FieldSource::ElectricSource)
        // The quasi-static conducting shell: |1 + 2 sigma t / (3 j omega eps0 r0)|.
        return decibels(1.0 + 2 * sigma * t / (3.0 * kJ * omega * kVacuumPermittivity * r0));
    return std::nullopt;
}

} // namespace shieldcalc
