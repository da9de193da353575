// The box with a slot: a rectangular enclosure lit through rectangular slots
// in one wall.
//
// Model: the transmission-line formulation of M. P. Robinson, T. M. Benson,
// C. Christopoulos, J. F. Dawson, M. D. Ganley, A. C. Marvin, S. J. Porter and
// D. W. P. Thomas, "Analytical formulation for the shielding effectiveness of
// enclosures with apertures", IEEE Trans. EMC 40(3), 240-248, 1998, with the
// slot-line impedance and the effective width of a slot in a thick wall from
// K. C. Gupta, R. Garg and I. J. Bahl, "Microstrip Lines and Slotlines",
// Artech House, 1979. A plane wave at normal incidence, its electric field
// along the height h, meets N identical slots of length L (along the width a)
// and width W (along h) in the front wall. Each slot is a coplanar-strip line
// shorted at both ends; seen from its centre, one slot is the impedance
// (L / 2a) j Z0s tan(k0 L / 2) across the line at the wall, and free space
// (Z0) drives it. Small slots side by side add their polarisabilities, so N
// of them are N times that impedance, Zap, and let in N times the field at
// low frequency, as a hole array lets in more with more holes. The box
// behind is a waveguide of cross-section a x h in its TE10 mode, shorted by
// the back wall at depth b. The field at depth P on the axis, against the
// field the wave would have there without the box, gives the electric and the
// magnetic SE; the SE at depth P is
//   SE_E = -20 log10 |2 Vp|,  SE_H = -20 log10 |2 Z0 Ip|.
//
// Validity: walls without loss; only the TE10 mode in the box, so up to the
// cut-off of the guide's next mode, min(c / a, c / 2h) (above it the advice
// warns); slots centred and small against the wall (L <= a, W < h, refused
// otherwise); the wall-thickness correction for walls thinner than the slot
// is wide. Near a cavity resonance the lossless model gives SE far below 0 dB
// (the field inside exceeds the field outside): those values are returned as
// they are, with an advice item, because in a real box its contents and the
// losses of its walls limit the dip. Below the TE10 cut-off the guide's
// impedance and wavenumber are imaginary (a complex square root), and the
// field decays towards the point; the decay is carried as a separate
// exponent, so a long box gives a large SE, never an overflow.
//
// Data flow: a front end fills a BoxSlotInput with what the user typed
// (lengths in cm, the frequency in MHz, single precision as entered) through
// kBoxSlotFields. boxSlotRefusal says whether the inputs describe a box with a
// slot at all (naming the first input that does not); boxSlot computes the
// two SE values and the box's resonances, and boxSlotAdvice says where the
// model's numbers should not be taken at their word. Arithmetic is double
// precision, complex where the model is; a step whose result cannot be formed
// throws ArithmeticFault, so no NaN or infinity leaves.
#pragma once

#include "core/advice.h"
#include "core/fault.h"
#include "core/fields.h"
#include "core/sweep.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace shieldcalc {

struct BoxSlotInput {
    static constexpr FrequencyUnit kFrequencyUnit = FrequencyUnit::MHz;

    float f = 0;          // frequency, MHz
    float a = 0;          // width of the box, along the slot, cm
    float h = 0;          // height of the box, along the electric field, cm
    float b = 0;          // depth of the box behind the slotted wall, cm
    float slotLength = 0; // length L of one slot, along a, cm
    float slotWidth = 0;  // width W of one slot, along h, cm
    float slotCount = 1;  // number N of identical slots side by side
    float l = 0;          // wall thickness, cm
    float point = 0;      // depth of the observation point from the slotted wall, cm
};

// The inputs that may be left out, as they are then: one slot, no wall
// thickness, the point in the middle of the box.
constexpr float oneSlot(const BoxSlotInput&) {
    return 1;
}
constexpr float thinWall(const BoxSlotInput&) {
    return 0;
}
constexpr float middleOfBox(const BoxSlotInput& input) {
    return input.b / 2;
}

inline constexpr Field<BoxSlotInput> kBoxSlotFields[] = {
    {kFrequencyKey, "-f", "", unitName(BoxSlotInput::kFrequencyUnit), Needed::Always, "MHZ",
     "frequency", "frequency f", &BoxSlotInput::f},
    {"a", "-a", "", "cm", Needed::Always, "CM", "width of the box, along the slot", "width a",
     &BoxSlotInput::a},
    {"h", "-h", "", "cm", Needed::Always, "CM", "height of the box, along the electric field",
     "height h", &BoxSlotInput::h},
    {"b", "-b", "", "cm", Needed::Always, "CM", "depth of the box behind the slotted wall",
     "depth b", &BoxSlotInput::b},
    {"slot_length", "--slot-length", "", "cm", Needed::Always, "CM",
     "length of a slot, along the width a", "slot length L", &BoxSlotInput::slotLength},
    {"slot_width", "--slot-width", "", "cm", Needed::Always, "CM",
     "width of a slot, along the height h", "slot width W", &BoxSlotInput::slotWidth},
    {"slots", "--slots", "", "", Needed::Optional, "N",
     "number of identical slots side by side (default 1)", "number of slots N",
     &BoxSlotInput::slotCount, nullptr, nullptr, oneSlot},
    {"l", "-l", "", "cm", Needed::Optional, "CM", "wall thickness (default 0)", "wall thickness l",
     &BoxSlotInput::l, nullptr, nullptr, thinWall},
    {"point", "--point", "", "cm", Needed::Optional, "CM",
     "depth of the observation point from the slotted wall (default b/2)", "observation depth p",
     &BoxSlotInput::point, nullptr, nullptr, middleOfBox},
};

// Why the inputs do not describe a box with a slot.
enum class BoxSlotProblem {
    NotFinite,          // infinite or not a number
    NotPositive,        // 0 or negative where a size or the frequency must be positive
    Negative,           // a wall thickness below 0
    NotWholeCount,      // a number of slots that is not a whole number of at least 1
    LongerThanBox,      // a slot longer than the box is wide (limit: a)
    NotNarrowerThanBox, // a slot as wide as the box is high or wider (limit: h)
    OutsideBox,         // an observation point not in 0 <= P < b (limit: b)
    WallTooThick,       // a wall that leaves the slot no effective width (limit: W)
};

struct BoxSlotRefusal {
    BoxSlotProblem problem;
    std::string_view input; // key of the input to correct, in kBoxSlotFields
    float value = 0;        // its value
    float limit = 0;        // the bound it breaks, in the input's unit, where there is one
};

// The first input, in the order of kBoxSlotFields, that does not fit; nothing
// when the inputs describe a box with a slot.
std::optional<BoxSlotRefusal> boxSlotRefusal(const BoxSlotInput& input);

// Thrown by boxSlot for inputs that boxSlotRefusal refuses.
class BoxSlotRefused : public std::invalid_argument {
public:
    explicit BoxSlotRefused(const BoxSlotRefusal& refusal);
    const BoxSlotRefusal& refusal() const { return refusal_; }

private:
    BoxSlotRefusal refusal_;
};

// The SE at the observation point, dB.
struct BoxSlotSE {
    double electric = 0; // SE_E, from the electric field
    double magnetic = 0; // SE_H, from the magnetic field

    friend bool operator==(const BoxSlotSE&, const BoxSlotSE&) = default;
};

// The three lowest resonance frequencies of the empty box, MHz, ascending:
// the distinct values of (c / 2) sqrt((m/a)^2 + (n/h)^2 + (p/b)^2) with at
// least two of m, n, p above 0 (TE101 first when a and b exceed h).
std::array<double, 3> cavityResonancesMHz(const BoxSlotInput& input);

// The resonance of the modes the model carries, TE10p (p >= 1), nearest to
// the input's frequency, MHz.
double nearestLineResonanceMHz(const BoxSlotInput& input);

// The cut-off of the box's next waveguide mode after TE10, MHz.
double nextModeCutoffMHz(const BoxSlotInput& input);

struct BoxSlotResult {
    BoxSlotSE se;
    std::array<double, 3> resonancesMHz{}; // cavityResonancesMHz
};

// SE_E and SE_H at the observation point. Throws BoxSlotRefused for refused
// inputs and ArithmeticFault where a value cannot be formed.
BoxSlotSE boxSlotSE(const BoxSlotInput& input);
// The SE with the box's resonances.
BoxSlotResult boxSlot(const BoxSlotInput& input);
// The same as a calculation of the registry: the model knows only the plane
// wave, which is what a box with a slot faces whatever source is chosen.
BoxSlotResult boxSlot(const BoxSlotInput& input, SourceChoice source);

// The advice on one computation, warnings first: near a cavity resonance
// (either SE below 0 dB), above the next mode's cut-off, a slot of half a
// wavelength or more. se is absent where the computation faulted.
std::vector<Advice> boxSlotAdvice(const BoxSlotInput& input, const std::optional<BoxSlotSE>& se);

// The computation over a grid of frequencies, in MHz (core/sweep.h), with its
// advice when parts.advice; there is no reference model beside it. Throws
// SweepGridError, or BoxSlotRefused for inputs refused at the grid's start,
// before computing anything.
std::vector<SweepPoint<BoxSlotResult>> sweep(const BoxSlotInput& input, SourceChoice source,
                                             const SweepGrid& grid, SweepParts parts = {});

} // namespace shieldcalc
