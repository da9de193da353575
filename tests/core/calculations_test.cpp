// The registry of the calculations: every entry found by its name and by its
// input record, and in every field table the frequency that a sweep varies.
#include "core/calculations.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <type_traits>

namespace shieldcalc::testing {
namespace {

TEST(CalculationRegistry, FindsEachCalculationByItsNameAndRecord) {
    std::set<std::string_view> names;
    forEachCalculation([&](const auto& calculation) {
        using Input = typename std::remove_cvref_t<decltype(calculation)>::InputType;
        EXPECT_TRUE(names.insert(calculation.name).second) << calculation.name << " twice";
        int visits = 0;
        EXPECT_TRUE(withCalculation(calculation.name, [&](const auto& found) {
            ++visits;
            EXPECT_EQ(static_cast<const void*>(&found), static_cast<const void*>(&calculation));
        }));
        EXPECT_EQ(visits, 1) << calculation.name;
        EXPECT_EQ(&calculationOf<Input>(), &calculation) << calculation.name;
    });
    EXPECT_EQ(names,
              (std::set<std::string_view>{"solid", "aperture", "double", "enclosure", "box-slot"}));
    EXPECT_FALSE(withCalculation("solids", [](const auto&) { FAIL() << "visited"; }));
    EXPECT_FALSE(withCalculation("", [](const auto&) { FAIL() << "visited"; }));
}

// A sweep replaces the frequency of every calculation: each field table has
// it as a number that is always needed.
TEST(CalculationRegistry, EveryTableHasTheFrequency) {
    forEachCalculation([](const auto& calculation) {
        using Input = typename std::remove_cvref_t<decltype(calculation)>::InputType;
        const auto* frequency = findField(calculation.fields, kFrequencyKey);
        ASSERT_NE(frequency, nullptr) << calculation.name;
        EXPECT_EQ(frequency->kind(), FieldKind::Number);
        EXPECT_EQ(frequency->needed, Needed::Always);
        EXPECT_EQ(frequency->number, &Input::f);
    });
}

} // namespace
} // namespace shieldcalc::testing
