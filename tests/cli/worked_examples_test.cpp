// Every worked example of the four computations, typed as a user would type
// it on the command line and read back from the JSON output; and again with
// each listed metal given as a custom material of the same properties, which
// must give the same result to the bit.
#include "json_reader.h"
#include "run_cli.h"
#include "tests/common/command_line.h"
#include "tests/common/field_values.h"
#include "tests/common/worked_examples.h"

#include "cli/input_texts.h"
#include "core/calculations.h"
#include "core/result_text.h"
#include "io/json.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

namespace shieldcalc::testing {
namespace {

using namespace shieldcalc::examples;

enum class Precision { Single, Double };

struct CliExample {
    std::string name;
    std::string command;
    Precision precision;
    std::vector<std::string> args; // command line without --json
    std::string_view se;
    std::string_view display;
    std::string exact = {}; // se_db to the bit, where given
};
void PrintTo(const CliExample& row, std::ostream* os) {
    *os << row.name;
}

// The input with each listed metal replaced by a custom material of the same
// properties at the input's frequency, as the calculation looks them up.
template <class Input>
Input withCustomMaterials(std::span<const Field<Input>> fields, Input input, FrequencyUnit unit,
                          const MaterialTable& table = kMaterialTable) {
    for (const Field<Input>& field : fields) {
        if (field.kind() == FieldKind::Material && (input.*field.material).chosen()) {
            input.*field.material = materialOf(input.*field.material, input.f, unit, table);
        }
    }
    return input;
}

template <class Input, class Result, std::size_t N>
void addExamples(std::vector<CliExample>& all, const Calculation<Input, Result>& calculation,
                 Precision precision, const Example<Input> (&examples)[N], FrequencyUnit unit,
                 const MaterialTable& table = kMaterialTable) {
    const std::string command(calculation.name);
    for (const Example<Input>& example : examples) {
        const std::string name = command + "_" + std::string(example.name);
        all.push_back({name, command, precision,
                       commandLine(calculation, example.input, example.source), example.se,
                       example.display});
        // The same properties given as a custom material compute the same bits.
        all.push_back(
            {name + "_custom_material", command, precision,
             commandLine(calculation,
                         withCustomMaterials(calculation.fields, example.input, unit, table),
                         example.source),
             example.se, example.display,
             io::shortestText(calculation.compute(example.input, example.source))});
    }
}

std::vector<CliExample> allExamples() {
    std::vector<CliExample> all;
    addExamples(all, kSolidSheet, Precision::Double, kSolidExamples, FrequencyUnit::MHz);
    addExamples(all, kPerforatedSheet, Precision::Double, kApertureExamples, FrequencyUnit::kHz,
                kApertureMaterialTable);
    addExamples(all, kDoubleSheet, Precision::Single, kDoubleLayerExamples, FrequencyUnit::kHz);
    addExamples(all, kClosedBox, Precision::Single, kEnclosureExamples, FrequencyUnit::kHz);
    return all;
}

// Digits of a decimal text from its first non-zero digit on: "0.0928459"
// has 6, "68.380" has 5; 0 for a zero.
int significantDigits(std::string_view text) {
    int digits = 0;
    bool leading = true;
    for (char c : text) {
        if (c >= '1' && c <= '9') {
            leading = false;
        }
        if (c >= '0' && c <= '9' && !leading) {
            ++digits;
        }
    }
    return digits;
}

std::string roundedTo(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    return text;
}

template <class Real> std::string shortest(Real value) {
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

class WorkedExampleThroughCli : public ::testing::TestWithParam<CliExample> {};

TEST_P(WorkedExampleThroughCli, PrintsTheExpectedSeAndDisplay) {
    const CliExample& example = GetParam();
    std::vector<std::string> args = example.args;
    args.insert(args.begin() + 1, {"--json", "--quiet"});
    SCOPED_TRACE(::testing::PrintToString(args));

    const CliRun run = runCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_TRUE(run.out.ends_with('\n'));
    const std::string line = run.out.substr(0, run.out.size() - 1);
    ASSERT_EQ(line.find('\n'), std::string::npos) << "one line of JSON";
    const JsonValue json = readJson(line);

    EXPECT_EQ(json.keys(), (std::vector<std::string>{"calculation", "inputs", "se_db", "display",
                                                     "reference_db", "advice"}));
    EXPECT_EQ(json.at("calculation").text, example.command);
    const JsonValue& se = json.at("se_db");
    ASSERT_EQ(se.kind, JsonValue::Kind::Number);

    // se_db is the shortest text of the result in its own precision: it reads
    // back to that number and to_chars writes that number the same way.
    double value = 0;
    std::string display;
    if (example.precision == Precision::Single) {
        const float single = std::strtof(se.text.c_str(), nullptr);
        EXPECT_EQ(se.text, shortest(single));
        value = single;
        display = resultText(single);
    } else {
        value = std::strtod(se.text.c_str(), nullptr);
        EXPECT_EQ(se.text, shortest(value));
        display = resultText(value);
    }

    const int digits = significantDigits(example.se);
    if (digits == 0) {
        EXPECT_EQ(value, 0.0) << se.text;
    } else {
        EXPECT_EQ(roundedTo(value, digits),
                  roundedTo(std::strtod(std::string(example.se).c_str(), nullptr), digits))
            << "se_db " << se.text << ", expected " << example.se;
    }

    ASSERT_EQ(json.at("display").kind, JsonValue::Kind::String);
    EXPECT_EQ(json.at("display").text, example.display.empty() ? display : example.display);
    if (!example.exact.empty()) {
        EXPECT_EQ(se.text, example.exact) << "the listed metal's result, to the bit";
    }
}

INSTANTIATE_TEST_SUITE_P(AllExamples, WorkedExampleThroughCli, ::testing::ValuesIn(allExamples()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace shieldcalc::testing
