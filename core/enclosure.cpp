#include "core/enclosure.h"

#include "core/checked.h"
#include "core/materials.h"

namespace shieldcalc {

using checked::kPi;
using checked::Step;
using checked::tenTo;

EnclosureTerms enclosureTerms(const EnclosureInput& in, SourceChoice source) {
    checked::requireFinite({in.f, in.l, in.a, in.b, in.h});
    const Material m = materialOf(in.material, in.f, EnclosureInput::kFrequencyUnit);
    EnclosureTerms t;

    const Step hz(Quantity::FrequencyInHertz);
    const float F = hz.store(hz.mul(tenTo(3), in.f));
    const Step u(Quantity::DimensionsInMetres);
    const float L = u.store(u.mul(tenTo(-2), in.l));
    const float A = u.store(u.mul(tenTo(-2), in.a));
    const float B = u.store(u.mul(tenTo(-2), in.b));
    const float H = u.store(u.mul(tenTo(-2), in.h));

    const Step sd(Quantity::SkinDepth);
    t.delta =
        sd.store(sd.div(sd.mul(tenTo(-3), 66.04), sd.sqrt(sd.mul(sd.mul(F, m.muR), m.sigmaR))));

    // Radius of the sphere whose volume is that of the box (12.566... is 4 pi).
    const Step er(Quantity::EquivalentRadius);
    const double volumeTerm = er.div(er.mul(er.mul(er.mul(A, 3), B), H), 12.5663706143592);
    t.r0 = er.store(er.pow(volumeTerm, 1.0 / 3));

    const Step wd(Quantity::WallDistance);
    const float D = wd.store(wd.sub(t.r0, L));
    t.thickWall = L > t.delta;

    const Step se(Quantity::ShieldingEffectiveness);
    double result = 0;
    if (source == FieldSource::MagneticSource) {
        const Step sm(Quantity::StaticFactor);
        const double M = sm.add(sm.div(sm.mul(sm.add(m.muR, m.muR), L), sm.mul(t.r0, 3)), 1);
        if (t.thickWall) {
            const double depth = se.div(se.mul(D, se.exp(se.div(L, t.delta))),
                                        se.mul(se.mul(se.sqrt(2), 3), t.delta));
            result = se.add(se.dbQuotientFirst(20, M), se.dbQuotientFirst(20, depth));
        } else {
            const Step x(Quantity::EddyCurrentTerm);
            double eddy = x.mul(L, t.r0);
            for (double factor : {8.0, kPi, double(F), kPi})
                eddy = x.mul(eddy, factor);
            double X = x.mul(tenTo(-7), eddy);
            for (double factor : {double(m.sigmaR), 57.7, double(m.sigmaR)})
                X = x.mul(X, factor);
            result = se.add(se.dbQuotientFirst(20, se.sqrt(se.add(se.square(X), 1))),
                            se.dbQuotientFirst(20, M));
        }
    }
    if (source == FieldSource::ElectricSource) {
        const Step p(Quantity::ElectricTerm);
        const double wall = p.mul(m.sigmaR, 57.7); // conductivity, copper = 57.7
        if (t.thickWall) {
            double field = p.mul(p.sqrt(2), 6);
            for (double factor : {kPi, double(F), 8.85})
                field = p.mul(field, factor);
            const double numerator =
                p.mul(p.mul(p.mul(tenTo(-12), field), t.r0), p.exp(p.div(-L, t.delta)));
            t.P = p.div(numerator, p.mul(wall, t.delta));
        } else {
            const double field = p.mul(p.mul(F, 18.8495559215388), 8.85); // 6 pi
            t.P = p.div(p.mul(p.mul(tenTo(-12), field), t.r0), p.mul(wall, L));
        }
        result = se.dbQuotientFirst(-20, t.P);
    }
    t.SE = se.store(result);
    return t;
}

float enclosureSE(const EnclosureInput& input, SourceChoice source) {
    return enclosureTerms(input, source).SE;
}

} // namespace shieldcalc
