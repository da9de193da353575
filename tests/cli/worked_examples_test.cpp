// Every worked example of the four computations, typed as a user would type
// it on the command line and read back from the JSON output.
#include "json_reader.h"
#include "run_cli.h"
#include "tests/common/worked_examples.h"

#include "core/result_text.h"

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
};
void PrintTo(const CliExample& row, std::ostream* os) {
    *os << row.name;
}

// Nine significant digits give back every single-precision number exactly.
std::string typed(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string materialWord(const MaterialChoice& material) {
    return material.chosen() ? std::string(kMaterials.at(std::size_t(material.entry)).key) : "none";
}

std::string sourceWord(SourceChoice source) {
    if (!source) {
        return "none";
    }
    switch (*source) {
    case FieldSource::PlaneWave:
        return "plane";
    case FieldSource::MagneticSource:
        return "magnetic";
    case FieldSource::ElectricSource:
        return "electric";
    }
    return "";
}

std::string shapeWord(ListIndex shape) {
    return shape == kRect ? "rect" : shape == kCircle ? "circle" : "none";
}

// An optional length that is 0 in the example is left out, as the form's
// empty box; the command line must then take it as 0.
void addOptional(std::vector<std::string>& args, const char* option, float value) {
    if (value != 0) {
        args.insert(args.end(), {option, typed(value)});
    }
}

template <class Input, std::size_t N, class ToArgs>
void addExamples(std::vector<CliExample>& all, const char* command, Precision precision,
                 const Example<Input> (&examples)[N], ToArgs toArgs) {
    for (const Example<Input>& example : examples) {
        std::vector<std::string> args{command, "--source", sourceWord(example.source)};
        toArgs(args, example.input);
        all.push_back({std::string(command) + "_" + std::string(example.name), command, precision,
                       args, example.se, example.display});
    }
}

std::vector<CliExample> allExamples() {
    std::vector<CliExample> all;
    addExamples(all, "solid", Precision::Double, kSolidExamples,
                [](std::vector<std::string>& args, const SolidShieldInput& in) {
                    args.insert(args.end(), {"--material", materialWord(in.material), "-f",
                                             typed(in.f), "-l", typed(in.l)});
                    addOptional(args, "-r", in.r);
                });
    addExamples(all, "aperture", Precision::Double, kApertureExamples,
                [](std::vector<std::string>& args, const ApertureInput& in) {
                    args.insert(args.end(),
                                {"--shape", shapeWord(in.shape), "--material",
                                 materialWord(in.material), "-l", typed(in.l), "-f", typed(in.f),
                                 "-a", typed(in.a), "-b", typed(in.b), "-n", typed(in.n)});
                    addOptional(args, "-D", in.D);
                    addOptional(args, "-r", in.r);
                    addOptional(args, "-w", in.w);
                });
    addExamples(all, "double", Precision::Single, kDoubleLayerExamples,
                [](std::vector<std::string>& args, const DoubleLayerInput& in) {
                    args.insert(args.end(),
                                {"-f", typed(in.f), "--l1", typed(in.l1), "--material1",
                                 materialWord(in.material1), "--l2", typed(in.l2), "--r2",
                                 typed(in.r2), "--material2", materialWord(in.material2)});
                    addOptional(args, "--r1", in.r1);
                });
    addExamples(all, "enclosure", Precision::Single, kEnclosureExamples,
                [](std::vector<std::string>& args, const EnclosureInput& in) {
                    args.insert(args.end(), {"--material", materialWord(in.material), "-f",
                                             typed(in.f), "-l", typed(in.l), "-a", typed(in.a),
                                             "-b", typed(in.b), "-h", typed(in.h)});
                });
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
    args.insert(args.begin() + 1, "--json");
    SCOPED_TRACE(::testing::PrintToString(args));

    const CliRun run = runCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_TRUE(run.out.ends_with('\n'));
    const std::string line = run.out.substr(0, run.out.size() - 1);
    ASSERT_EQ(line.find('\n'), std::string::npos) << "one line of JSON";
    const JsonValue json = readJson(line);

    EXPECT_EQ(json.keys(), (std::vector<std::string>{"calculation", "inputs", "se_db", "display"}));
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
}

INSTANTIATE_TEST_SUITE_P(AllExamples, WorkedExampleThroughCli, ::testing::ValuesIn(allExamples()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace shieldcalc::testing
