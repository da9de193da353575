#include "core/reference.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace shieldcalc {

namespace {

using Complex = std::complex<double>;
constexpr Complex kJ{0, 1};

constexpr double kMetresPerCm = 1e-2;
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

// The wave impedance that meets the shield at distance r (m).
std::optional<Complex> waveImpedance(FieldSource source, double omega, double r) {
    switch (source) {
    case FieldSource::PlaneWave:
        return freeSpaceImpedance();
    case FieldSource::MagneticSource:
        return r > 0 ? std::optional(kJ * omega * kVacuumPermeability * r) : std::nullopt;
    case FieldSource::ElectricSource:
        return r > 0 ? std::optional(1.0 / (kJ * omega * kVacuumPermittivity * r)) : std::nullopt;
    }
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

} // namespace

double speedOfLight() {
    return 1 / std::sqrt(kVacuumPermeability * kVacuumPermittivity);
}

std::optional<double> referenceSE(const SolidShieldInput& in, SourceChoice source) {
    const double f = inHertz(in.f, SolidShieldInput::kFrequencyUnit);
    if (!source || !(f > 0) || !(in.l >= 0))
        return std::nullopt;
    const double omega = 2 * std::numbers::pi * f;
    const auto wall = medium(in.material, in.f, SolidShieldInput::kFrequencyUnit, omega);
    const auto Z = waveImpedance(*source, omega, in.r * kMetresPerCm);
    if (!wall || !Z)
        return std::nullopt;
    return transmission(slab(*wall, in.l * kMetresPerCm), *Z);
}

std::optional<double> referenceSE(const DoubleLayerInput& in, SourceChoice source) {
    const double f = inHertz(in.f, DoubleLayerInput::kFrequencyUnit);
    if (!source || !(f > 0) || !(in.l1 >= 0) || !(in.l2 >= 0) || !(in.r2 >= 0))
        return std::nullopt;
    const double omega = 2 * std::numbers::pi * f;
    const auto wall1 = medium(in.material1, in.f, DoubleLayerInput::kFrequencyUnit, omega);
    const auto wall2 = medium(in.material2, in.f, DoubleLayerInput::kFrequencyUnit, omega);
    const auto Z = waveImpedance(*source, omega, in.r1 * kMetresPerCm);
    if (!wall1 || !wall2 || !Z)
        return std::nullopt;
    return transmission(slab(*wall1, in.l1 * kMetresPerCm) * airGap(omega, in.r2 * kMetresPerCm) *
                            slab(*wall2, in.l2 * kMetresPerCm),
                        *Z);
}

std::optional<double> referenceSE(const ApertureInput&, SourceChoice) {
    return std::nullopt;
}

std::optional<double> referenceSE(const EnclosureInput& in, SourceChoice source) {
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
