#include "core/sheet.h"

#include "core/checked.h"

namespace shieldcalc {

using checked::Step;
using checked::tenTo;

float absorptionLoss(float l, double F, const Material& m) {
    const Step s(Quantity::AbsorptionLoss);
    const double root = s.sqrt(s.mul(s.mul(F, m.muR), m.sigmaR));
    return s.store(s.mul(s.mul(l, 1.31), root));
}

double reflectionLoss(FieldSource source, double F, double r, const Material& m) {
    const Step s(Quantity::ReflectionLoss);
    switch (source) {
    case FieldSource::PlaneWave: {
        const double root = s.sqrt(s.div(s.mul(F, m.muR), m.sigmaR));
        return s.sub(168, s.dbProductFirst(root));
    }
    case FieldSource::MagneticSource: {
        const double root = s.sqrt(s.div(s.mul(F, m.sigmaR), m.muR));
        const double sum =
            s.add(s.add(s.div(1.173, s.mul(r, root)), s.mul(s.mul(r, 0.054), root)), 0.354);
        return s.dbProductFirst(sum);
    }
    case FieldSource::ElectricSource: {
        const double root = s.sqrt(s.div(s.mul(s.pow(F, 3), m.muR), m.sigmaR));
        return s.sub(354, s.dbProductFirst(s.mul(s.mul(r, 0.394), root)));
    }
    }
    return 0;
}

float sheetImpedance(double F, const Material& m) {
    const Step s(Quantity::SheetImpedance);
    const double root = s.sqrt(s.div(s.mul(F, m.muR), m.sigmaR));
    return s.store(s.mul(s.mul(tenTo(-7), 3.69), root));
}

float waveImpedance(FieldSource source, double f, double r, FrequencyUnit unit) {
    const Step s(Quantity::WaveImpedance);
    // The kHz constants are the MHz ones scaled by 10^3 for the same field.
    const int scale = unit == FrequencyUnit::kHz ? 3 : 0;
    switch (source) {
    case FieldSource::PlaneWave:
        return 377;
    case FieldSource::MagneticSource:
        return s.store(s.div(s.mul(tenTo(-12 + scale), 8), s.mul(f, r)));
    case FieldSource::ElectricSource:
        return s.store(s.div(s.mul(tenTo(2 + scale), 1.8), s.mul(f, r)));
    }
    return 0;
}

Reflection reflectionCoefficient(float Zw, float Zs) {
    Reflection out;
    const Step ratio(Quantity::ImpedanceRatio);
    out.K = ratio.store(ratio.div(Zw, Zs));
    const Step s(Quantity::ReflectionCoefficient);
    out.rho = s.store(s.div(s.sub(1, out.K), s.add(out.K, 1)));
    return out;
}

double multipleReflectionCorrection(float A, float rho) {
    const Step s(Quantity::MultipleReflectionCorrection);
    const double decay = s.pow(10, s.mul(A, -0.1));
    return s.dbProductFirst(s.sub(1, s.mul(s.square(rho), decay)));
}

double solidShieldSE(const SolidShieldInput& in, SourceChoice source) {
    checked::requireFinite({in.f, in.l, in.r});
    const Material m = materialOf(in.material, in.f, SolidShieldInput::kFrequencyUnit);
    if (!source)
        return 0;
    const Step s(Quantity::ShieldingEffectiveness);
    const double F = s.mul(tenTo(6), in.f);
    const float A = absorptionLoss(in.l, F, m);
    const double R = reflectionLoss(*source, F, in.r, m);
    double se = s.add(R, A);
    if (A < 10) {
        const float Zs = sheetImpedance(F, m);
        const float Zw = waveImpedance(*source, in.f, in.r, SolidShieldInput::kFrequencyUnit);
        const Reflection refl = reflectionCoefficient(Zw, Zs);
        se = s.add(multipleReflectionCorrection(A, refl.rho), se);
    }
    return se;
}

} // namespace shieldcalc
