#include "core/double_layer.h"

#include "core/checked.h"
#include "core/sheet.h"

namespace shieldcalc {

using checked::Step;
using checked::tenTo;

float gapCorrection(float f, float r2, float rho1, float rho2) {
    const Step s(Quantity::GapCorrection);
    const double c = s.mul(3, tenTo(8)); // speed of light, m/s
    const double phase = s.div(s.mul(s.mul(tenTo(3), s.mul(f, 54.53804846631893)), r2), c);
    const double x = s.div(s.mul(s.mul(tenTo(3), s.mul(f, -12.5663706143592)), r2), c);
    const double echo = s.sub(1, s.mul(s.mul(rho2, rho1), s.exp(x)));
    return s.store(s.add(phase, s.dbProductFirst(echo)));
}

namespace {

// Runs one sheet's formula, attributing a fault to that sheet.
template <class Formula> auto forSheet(int sheet, Formula formula) {
    try {
        return formula();
    } catch (const ArithmeticFault& fault) {
        throw fault.inSheet(sheet);
    }
}

} // namespace

float doubleLayerSE(const DoubleLayerInput& in, SourceChoice source) {
    checked::requireFinite({in.f, in.l1, in.r1, in.l2, in.r2});
    constexpr auto unit = DoubleLayerInput::kFrequencyUnit;
    const Material m1 = materialOf(in.material1, in.f, unit);
    const Material m2 = materialOf(in.material2, in.f, unit);
    if (!source)
        return 0;
    const Step s(Quantity::ShieldingEffectiveness);
    const double F = s.mul(tenTo(3), in.f);
    // The second sheet stands at l1 + r1 + r2 from the source.
    const double d = Step(Quantity::SourceDistance).add(s.add(in.l1, in.r1), in.r2);
    const float A1 = forSheet(1, [&] { return absorptionLoss(in.l1, F, m1); });
    const float A2 = forSheet(2, [&] { return absorptionLoss(in.l2, F, m2); });
    const Step storeR(Quantity::ReflectionLoss);
    const float R1 =
        forSheet(1, [&] { return storeR.store(reflectionLoss(*source, F, in.r1, m1)); });
    const float R2 = forSheet(2, [&] { return storeR.store(reflectionLoss(*source, F, d, m2)); });
    const float Zs1 = forSheet(1, [&] { return sheetImpedance(F, m1); });
    const float Zs2 = forSheet(2, [&] { return sheetImpedance(F, m2); });
    const float Zw1 = forSheet(1, [&] { return waveImpedance(*source, in.f, in.r1, unit); });
    const float Zw2 = forSheet(2, [&] { return waveImpedance(*source, in.f, d, unit); });
    const float rho1 = forSheet(1, [&] { return reflectionCoefficient(Zw1, Zs1).rho; });
    const float rho2 = forSheet(2, [&] { return reflectionCoefficient(Zw2, Zs2).rho; });
    const float G = gapCorrection(in.f, in.r2, rho1, rho2);
    return s.store(s.add(s.add(s.add(s.add(A2, A1), R1), R2), G));
}

} // namespace shieldcalc
