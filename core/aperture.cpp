#include "core/aperture.h"

#include "core/checked.h"
#include "core/materials.h"

namespace shieldcalc {

using checked::kPi;
using checked::Step;
using checked::tenTo;

double coth(float x) {
    const Step s(Quantity::CouplingCorrection);
    const double numerator = s.add(s.add(s.add(1, s.div(s.square(x), 2)), s.div(s.pow(x, 4), 24)),
                                   s.div(s.pow(x, 6), 720));
    const double denominator = s.add(
        s.add(s.add(x, s.div(s.pow(x, 3), 6)), s.div(s.pow(x, 5), 120)), s.div(s.pow(x, 7), 5040));
    return s.div(numerator, denominator);
}

namespace {

// The ratio k of the hole's reflection, by shape and source.
double holeRatio(HoleShape shape, FieldSource source, const ApertureInput& in) {
    const Step s(Quantity::HoleRatio);
    const bool rect = shape == HoleShape::RectangularHole;
    switch (source) {
    case FieldSource::PlaneWave:
        return rect ? s.mul(s.mul(s.mul(tenTo(-6), 6.67), in.f), in.w)
                    : s.mul(s.mul(s.mul(tenTo(-7), 0.57), in.f), in.D);
    case FieldSource::MagneticSource:
        return rect ? s.mul(s.div(in.w, kPi), in.r) : s.div(in.D, s.mul(in.r, 3.68));
    case FieldSource::ElectricSource: {
        const Step w(Quantity::Wavelength);
        const double lambda = w.div(w.mul(3, tenTo(8)), w.mul(tenTo(3), in.f));
        const double width = rect ? s.mul(in.w, -12.5663706143592)   // -4 pi
                                  : s.mul(in.D, -10.71283094874122); // -3.41 pi
        return s.div(s.mul(width, in.r), s.square(lambda));
    }
    }
    return 0;
}

} // namespace

ApertureTerms apertureTerms(const ApertureInput& in, SourceChoice source) {
    checked::requireFinite({in.l, in.f, in.D, in.r, in.a, in.b, in.n, in.w});
    const Material m =
        materialOf(in.material, in.f, ApertureInput::kFrequencyUnit, kApertureMaterialTable);
    ApertureTerms t;

    if (in.shape == static_cast<ListIndex>(HoleShape::RectangularHole) ||
        in.shape == static_cast<ListIndex>(HoleShape::CircularHole)) {
        const auto shape = static_cast<HoleShape>(in.shape);
        const Step a(Quantity::HoleAttenuation);
        t.A = shape == HoleShape::RectangularHole ? a.div(a.mul(in.l, 27.3), in.w)
                                                  : a.div(a.mul(in.l, 32), in.D);
        if (source)
            t.k = holeRatio(shape, *source, in);

        const Step r(Quantity::HoleReflection);
        const double ratio = r.div(r.mul(4, t.k), r.square(r.add(t.k, 1)));
        t.R = r.dbQuotientFirst(-20, std::fabs(ratio));

        if (t.A < 15) {
            const Step b(Quantity::HoleMultipleReflection);
            const double q = b.div(b.square(b.sub(t.k, 1)), b.square(b.add(t.k, 1)));
            const double decay = b.pow(10, b.div(-t.A, 10));
            t.B = b.dbQuotientFirst(20, std::fabs(b.sub(1, b.mul(q, decay))));
        }
    }

    const Step c1(Quantity::HoleCountCorrection);
    t.C1 = c1.dbQuotientFirst(-10, c1.mul(in.a, in.n));

    const Step sf(Quantity::SkinDepthFactor);
    double product = sf.mul(in.f, kPi);
    for (double factor : {double(m.muR), 4.0, kPi, 5.82, double(m.sigmaR)})
        product = sf.mul(product, factor);
    const double skin = sf.sqrt(product);

    const Step c2(Quantity::ConductorWidthCorrection);
    t.C2 = c2.dbQuotientFirst(-20, c2.add(1, c2.mul(35, c2.pow(c2.mul(in.b, skin), -2.3))));

    const Step c3(Quantity::CouplingCorrection);
    const float x = c3.store(c3.div(t.A, 8.686)); // dB to nepers
    t.C3 = c3.dbQuotientFirst(20, coth(x));

    const Step se(Quantity::ShieldingEffectiveness);
    t.SE = se.add(se.add(se.add(se.add(se.add(t.A, t.R), t.B), t.C1), t.C2), t.C3);
    return t;
}

double apertureSE(const ApertureInput& input, SourceChoice source) {
    return apertureTerms(input, source).SE;
}

} // namespace shieldcalc
