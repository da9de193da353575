// The worked examples of the four computations, to every digit given, and
// the text the result window shows for them.
#include "core/shielding.h"
#include "tests/common/worked_examples.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace shieldcalc {
namespace {

using namespace examples;

template <class Input> std::string exampleName(const testing::TestParamInfo<Example<Input>>& info) {
    return std::string(info.param.name);
}

template <class Input, class Result>
void checkExample(const Example<Input>& example, Result (*compute)(const Input&, SourceChoice)) {
    const Result se = compute(example.input, example.source);
    EXPECT_EQ(roundedLike(se, example.se), example.se);
    if (!example.display.empty()) {
        EXPECT_EQ(resultText(se), example.display);
    }
}

class SolidExample : public testing::TestWithParam<Example<SolidShieldInput>> {};
TEST_P(SolidExample, MatchesEveryDigit) {
    checkExample(GetParam(), &solidShieldSE);
}
INSTANTIATE_TEST_SUITE_P(Solid, SolidExample, testing::ValuesIn(kSolidExamples),
                         exampleName<SolidShieldInput>);

class DoubleLayerExample : public testing::TestWithParam<Example<DoubleLayerInput>> {};
TEST_P(DoubleLayerExample, MatchesEveryDigit) {
    checkExample(GetParam(), &doubleLayerSE);
}
INSTANTIATE_TEST_SUITE_P(DoubleLayer, DoubleLayerExample, testing::ValuesIn(kDoubleLayerExamples),
                         exampleName<DoubleLayerInput>);

class ApertureExample : public testing::TestWithParam<Example<ApertureInput>> {};
TEST_P(ApertureExample, MatchesEveryDigit) {
    checkExample(GetParam(), &apertureSE);
}
INSTANTIATE_TEST_SUITE_P(Aperture, ApertureExample, testing::ValuesIn(kApertureExamples),
                         exampleName<ApertureInput>);

class EnclosureExample : public testing::TestWithParam<Example<EnclosureInput>> {};
TEST_P(EnclosureExample, MatchesEveryDigit) {
    checkExample(GetParam(), &enclosureSE);
}
INSTANTIATE_TEST_SUITE_P(Enclosure, EnclosureExample, testing::ValuesIn(kEnclosureExamples),
                         exampleName<EnclosureInput>);

// The result to the last bit (in hexadecimal), or the fault.
template <class Input, class Result>
std::string exactOutcome(Result (*compute)(const Input&, SourceChoice), const Input& input,
                         SourceChoice source) {
    try {
        char text[64];
        std::snprintf(text, sizeof text, "%a", static_cast<double>(compute(input, source)));
        return text;
    } catch (const ArithmeticFault& fault) {
        return fault.what();
    }
}

// Every metal of the registry, in every calculation and with every source,
// gives the same bits as a custom material with the metal's properties at the
// calculation's frequency (the aperture calculation with its own brass).
template <class Input, class Result>
void expectCustomMaterialsComputeAlike(Result (*compute)(const Input&, SourceChoice), Input input,
                                       MaterialChoice Input::*member, FrequencyUnit unit,
                                       const MaterialTable& table = kMaterialTable) {
    for (ListIndex metal = 0; metal < ListIndex(kMaterials.size()); ++metal) {
        for (SourceChoice source : {SourceChoice(kPlane), SourceChoice(kMagnetic),
                                    SourceChoice(kElectric), SourceChoice()}) {
            SCOPED_TRACE(std::string(kMaterials[std::size_t(metal)].key) + " source " +
                         std::to_string(source ? int(*source) : -1));
            Input listed = input;
            listed.*member = metal;
            Input custom = input;
            custom.*member = materialOf(metal, input.f, unit, table);
            ASSERT_TRUE(custom.*member != listed.*member);
            EXPECT_EQ(exactOutcome(compute, listed, source), exactOutcome(compute, custom, source));
        }
    }
}

TEST(CustomMaterial, SameBitsAsTheListedMetalInEveryCalculation) {
    expectCustomMaterialsComputeAlike(
        solidShieldSE, SolidShieldInput{.f = 0.7f, .l = 0.003f, .r = 10, .material = kCopper},
        &SolidShieldInput::material, FrequencyUnit::MHz);
    expectCustomMaterialsComputeAlike(apertureSE,
                                      ApertureInput{.shape = kCircle,
                                                    .material = kCopper,
                                                    .l = 0.3f,
                                                    .f = 600,
                                                    .D = 0.5f,
                                                    .r = 10,
                                                    .a = 0.2f,
                                                    .b = 0.1f,
                                                    .n = 1},
                                      &ApertureInput::material, FrequencyUnit::kHz,
                                      kApertureMaterialTable);
    const DoubleLayerInput sheets{.f = 600,
                                  .l1 = 0.01f,
                                  .r1 = 10,
                                  .material1 = examples::kIron,
                                  .l2 = 0.02f,
                                  .r2 = 3,
                                  .material2 = kGold};
    expectCustomMaterialsComputeAlike(doubleLayerSE, sheets, &DoubleLayerInput::material1,
                                      FrequencyUnit::kHz);
    expectCustomMaterialsComputeAlike(doubleLayerSE, sheets, &DoubleLayerInput::material2,
                                      FrequencyUnit::kHz);
    expectCustomMaterialsComputeAlike(
        enclosureSE,
        EnclosureInput{.f = 600, .l = 0.01f, .a = 20, .b = 30, .h = 10, .material = kCopper},
        &EnclosureInput::material, FrequencyUnit::kHz);
}

} // namespace
} // namespace shieldcalc
