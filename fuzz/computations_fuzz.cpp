// The computations on arbitrary input records.
//
// Input: one byte choosing the computation, one choosing the field source
// (or none), then the record's members in order as their bit patterns: any
// single-precision value, NaN and infinity included, and any list index.
// Property: a computation returns a finite value or throws ArithmeticFault;
// nothing else escapes it. The box with a slot also refuses inputs that
// describe no such box, and returns two finite values and three finite
// resonances.
#include "core/shielding.h"
#include "fuzz_support.h"

#include <cmath>

namespace {

using shieldcalc::fuzz::ByteReader;
using shieldcalc::fuzz::require;

template <class Input, class Result>
void check(Result (*computation)(const Input&, shieldcalc::SourceChoice), const Input& input,
           shieldcalc::SourceChoice source) {
    try {
        require(std::isfinite(computation(input, source)), "a computed SE is finite");
    } catch (const shieldcalc::ArithmeticFault&) {
        // a typed fault: the expected way to fail
    }
}

void checkBoxSlot(const shieldcalc::BoxSlotInput& input) {
    try {
        const shieldcalc::BoxSlotResult result = shieldcalc::boxSlot(input);
        require(std::isfinite(result.se.electric) && std::isfinite(result.se.magnetic),
                "the box with a slot's SE values are finite");
        for (double f : result.resonancesMHz) {
            require(std::isfinite(f) && f > 0, "the box's resonances are finite");
        }
    } catch (const shieldcalc::ArithmeticFault&) {
        // a typed fault
    } catch (const shieldcalc::BoxSlotRefused&) {
        // inputs that describe no box with a slot
    }
}

shieldcalc::SourceChoice sourceOf(std::uint8_t byte) {
    switch (byte % 4) {
    case 0:
        return shieldcalc::FieldSource::PlaneWave;
    case 1:
        return shieldcalc::FieldSource::MagneticSource;
    case 2:
        return shieldcalc::FieldSource::ElectricSource;
    default:
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader bytes(data, size);
    const auto computation = bytes.next<std::uint8_t>() % 5;
    const shieldcalc::SourceChoice source = sourceOf(bytes.next<std::uint8_t>());
    const auto real = [&] {
        return bytes.next<float>();
    };
    const auto index = [&] {
        return bytes.next<shieldcalc::ListIndex>();
    };
    switch (computation) {
    case 0:
        check(shieldcalc::solidShieldSE,
              {.f = real(), .l = real(), .r = real(), .material = index()}, source);
        break;
    case 1:
        check(shieldcalc::apertureSE,
              {.shape = index(),
               .material = index(),
               .l = real(),
               .f = real(),
               .D = real(),
               .r = real(),
               .a = real(),
               .b = real(),
               .n = real(),
               .w = real()},
              source);
        break;
    case 2:
        check(shieldcalc::doubleLayerSE,
              {.f = real(),
               .l1 = real(),
               .r1 = real(),
               .material1 = index(),
               .l2 = real(),
               .r2 = real(),
               .material2 = index()},
              source);
        break;
    case 3:
        check(
            shieldcalc::enclosureSE,
            {.f = real(), .l = real(), .a = real(), .b = real(), .h = real(), .material = index()},
            source);
        break;
    default:
        checkBoxSlot({.f = real(),
                      .a = real(),
                      .h = real(),
                      .b = real(),
                      .slotLength = real(),
                      .slotWidth = real(),
                      .slotCount = real(),
                      .l = real(),
                      .point = real()});
        break;
    }
    return 0;
}
