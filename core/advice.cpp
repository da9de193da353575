#include "core/advice.h"

#include "core/reference.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace shieldcalc {

namespace {

constexpr std::array<AdviceInfo, 15> kAdvice{{
    {AdviceCode::NegativeSE, "negative_se", Severity::Warning, {"se_db"}},
    {AdviceCode::ReferenceDiffers,
     "reference_differs",
     Severity::Warning,
     {"handbook_db", "reference_db", "difference_db"}},
    {AdviceCode::FarFromSource, "far_from_source", Severity::Warning, {"r_cm", "boundary_cm"}},
    {AdviceCode::LowAbsorption, "low_absorption", Severity::Warning, {"absorption_db"}},
    {AdviceCode::HoleNotSmall,
     "hole_not_small",
     Severity::Warning,
     {"size_cm", "quarter_wavelength_cm"}},
    {AdviceCode::NearHoleCutoff,
     "near_hole_cutoff",
     Severity::Warning,
     {"f_khz", "half_cutoff_khz"}},
    {AdviceCode::NearCavityResonance,
     "near_cavity_resonance",
     Severity::Warning,
     {"se_db", "resonance_mhz"}},
    {AdviceCode::BeyondSingleMode,
     "beyond_single_mode",
     Severity::Warning,
     {"f_mhz", "next_mode_mhz"}},
    {AdviceCode::BeyondMeasurement, "beyond_measurement", Severity::Note, {"se_db"}},
    {AdviceCode::IronPermeabilityFixed, "iron_permeability_fixed", Severity::Note, {"mu_r"}},
    {AdviceCode::BoxOpeningsIgnored, "box_openings_ignored", Severity::Note, {}},
    {AdviceCode::LongSlot, "long_slot", Severity::Note, {"slot_length_cm", "half_wavelength_cm"}},
    {AdviceCode::HoleReferenceNearField, "hole_reference_near_field", Severity::Note, {}},
    {AdviceCode::HoleReferenceNotSquare,
     "hole_reference_not_square",
     Severity::Note,
     {"w_cm", "area_cm2"}},
    {AdviceCode::HoleReferenceAboveCutoff,
     "hole_reference_above_cutoff",
     Severity::Note,
     {"f_khz", "cutoff_khz"}},
}};

constexpr double kCmPerMetre = 100;

// What the advice looks at in one input record.
struct Profile {
    SourceChoice source;
    double hertz = 0;
    std::optional<double> distanceCm = {};   // from a near-field source to the shield
    std::optional<double> absorptionDb = {}; // of the walls, 8.686 t / delta
    std::optional<double> holeCm = {};       // width or diameter of a hole
    HoleShape holeShape = HoleShape::RectangularHole;
    std::optional<Advice> holeReferenceLimit = {}; // why the hole-array reference is absent
    std::optional<float> ironMuR = {};             // the permeability of a listed iron wall
    bool closedBox = false;
};

// 8.686 t / delta in dB for a wall of thickness lCm; absent without a
// material or a positive frequency.
std::optional<double> absorptionDb(const MaterialChoice& choice, float f, FrequencyUnit unit,
                                   float lCm) {
    const Material m = materialOf(choice, f, unit);
    const double hertz = inHertz(f, unit);
    if (!(m.sigmaR > 0) || !(m.muR > 0) || !(hertz > 0))
        return std::nullopt;
    const double perSkinDepth = std::sqrt(std::numbers::pi * hertz * m.muR * kVacuumPermeability *
                                          m.sigmaR * kCopperConductivity);
    return 20 / std::numbers::ln10 * lCm / kCmPerMetre * perSkinDepth;
}

std::optional<float> ironMuR(const MaterialChoice& choice, float f, FrequencyUnit unit) {
    if (choice.custom || choice.entry != kIron)
        return std::nullopt;
    return materialOf(choice, f, unit).muR;
}

void add(std::vector<Advice>& advice, AdviceCode code, std::array<double, 3> values = {}) {
    advice.push_back({code, adviceInfo(code).severity, values});
}

std::vector<Advice> adviceFor(const Profile& p, const Results& results) {
    std::vector<Advice> advice;
    const std::optional<double> se = results.handbook ? results.handbook : results.reference;
    if (results.handbook && *results.handbook < kNegativeSeDb)
        add(advice, AdviceCode::NegativeSE, {*results.handbook});
    if (results.handbook && results.reference) {
        const double difference = *results.handbook - *results.reference;
        if (std::fabs(difference) > kReferenceToleranceDb)
            add(advice, AdviceCode::ReferenceDiffers,
                {*results.handbook, *results.reference, difference});
    }
    const bool nearField = p.source && p.source != FieldSource::PlaneWave;
    if (p.hertz > 0) {
        const double wavelengthCm = speedOfLight() / p.hertz * kCmPerMetre;
        const double boundaryCm = wavelengthCm / (2 * std::numbers::pi);
        if (nearField && p.distanceCm && *p.distanceCm > boundaryCm)
            add(advice, AdviceCode::FarFromSource, {*p.distanceCm, boundaryCm});
        if (p.source == FieldSource::MagneticSource && p.absorptionDb &&
            *p.absorptionDb < kLowAbsorptionDb)
            add(advice, AdviceCode::LowAbsorption, {*p.absorptionDb});
        if (p.holeCm && *p.holeCm > 0) {
            const double quarterCm = wavelengthCm / 4;
            if (*p.holeCm >= quarterCm)
                add(advice, AdviceCode::HoleNotSmall, {*p.holeCm, quarterCm});
            const double cutoff = holeCutoffHertz(p.holeShape, *p.holeCm);
            if (p.hertz > cutoff / 2)
                add(advice, AdviceCode::NearHoleCutoff, {p.hertz / 1e3, cutoff / 2 / 1e3});
        }
    }
    if (se && *se > kMeasurableSeDb)
        add(advice, AdviceCode::BeyondMeasurement, {*se});
    if (p.ironMuR)
        add(advice, AdviceCode::IronPermeabilityFixed, {*p.ironMuR});
    if (p.closedBox)
        add(advice, AdviceCode::BoxOpeningsIgnored);
    if (p.holeReferenceLimit)
        advice.push_back(*p.holeReferenceLimit);
    return advice;
}

} // namespace

const AdviceInfo& adviceInfo(AdviceCode code) {
    return *std::ranges::find(kAdvice, code, &AdviceInfo::code);
}

std::vector<Advice> validityAdvice(const SolidShieldInput& in, SourceChoice source,
                                   const Results& results) {
    constexpr auto unit = SolidShieldInput::kFrequencyUnit;
    Profile p{source, inHertz(in.f, unit)};
    p.distanceCm = in.r;
    p.absorptionDb = absorptionDb(in.material, in.f, unit, in.l);
    p.ironMuR = ironMuR(in.material, in.f, unit);
    return adviceFor(p, results);
}

std::vector<Advice> validityAdvice(const DoubleLayerInput& in, SourceChoice source,
                                   const Results& results) {
    constexpr auto unit = DoubleLayerInput::kFrequencyUnit;
    Profile p{source, inHertz(in.f, unit)};
    p.distanceCm = in.r1;
    const auto a1 = absorptionDb(in.material1, in.f, unit, in.l1);
    const auto a2 = absorptionDb(in.material2, in.f, unit, in.l2);
    if (a1 && a2)
        p.absorptionDb = *a1 + *a2;
    p.ironMuR = ironMuR(in.material1, in.f, unit);
    if (!p.ironMuR)
        p.ironMuR = ironMuR(in.material2, in.f, unit);
    return adviceFor(p, results);
}

std::vector<Advice> validityAdvice(const ApertureInput& in, SourceChoice source,
                                   const Results& results) {
    constexpr auto unit = ApertureInput::kFrequencyUnit;
    Profile p{source, inHertz(in.f, unit)};
    p.distanceCm = in.r;
    if (in.shape == static_cast<ListIndex>(HoleShape::CircularHole)) {
        p.holeShape = HoleShape::CircularHole;
        p.holeCm = in.D;
    } else if (in.shape == static_cast<ListIndex>(HoleShape::RectangularHole)) {
        p.holeCm = in.w;
    }
    p.ironMuR = ironMuR(in.material, in.f, unit);
    if (const auto limit = holeArrayLimit(in, source)) {
        const auto code = *limit == HoleArrayLimit::NearField ? AdviceCode::HoleReferenceNearField
                          : *limit == HoleArrayLimit::NotSquare
                              ? AdviceCode::HoleReferenceNotSquare
                              : AdviceCode::HoleReferenceAboveCutoff;
        std::array<double, 3> values{};
        if (code == AdviceCode::HoleReferenceNotSquare)
            values = {in.w, in.a};
        else if (code == AdviceCode::HoleReferenceAboveCutoff)
            values = {p.hertz / 1e3, holeCutoffHertz(p.holeShape, *p.holeCm) / 1e3};
        p.holeReferenceLimit = Advice{code, adviceInfo(code).severity, values};
    }
    return adviceFor(p, results);
}

std::vector<Advice> validityAdvice(const EnclosureInput& in, SourceChoice source,
                                   const Results& results) {
    constexpr auto unit = EnclosureInput::kFrequencyUnit;
    Profile p{source, inHertz(in.f, unit)};
    p.absorptionDb = absorptionDb(in.material, in.f, unit, in.l);
    p.ironMuR = ironMuR(in.material, in.f, unit);
    p.closedBox = true;
    return adviceFor(p, results);
}

} // namespace shieldcalc
