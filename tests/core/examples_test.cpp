// The worked examples of the four computations, to every digit given, and
// the text the result window shows for them.
#include "core/shielding.h"
#include "tests/common/worked_examples.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace shieldcalc
