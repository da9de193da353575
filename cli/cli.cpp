#include "cli/cli.h"

#include "cli/json.h"
#include "cli/options.h"
#include "core/message_text.h"
#include "core/shielding.h"
#include "core/version.h"

#include <algorithm>
#include <string>

namespace shieldcalc::cli {

namespace {

constexpr std::string_view kProgram = "shieldcalc-cli";

constexpr ListIndex listIndex(FieldSource source) {
    return static_cast<ListIndex>(source);
}

SourceChoice sourceAt(ListIndex index) {
    if (index == kNoChoice) {
        return std::nullopt;
    }
    return static_cast<FieldSource>(index);
}

constexpr Choice kSources[] = {
    {"plane", listIndex(FieldSource::PlaneWave)},
    {"magnetic", listIndex(FieldSource::MagneticSource)},
    {"electric", listIndex(FieldSource::ElectricSource)},
    {"none", kNoChoice},
};
// The enclosure faces only the two near-field sources.
constexpr Choice kNearFieldSources[] = {
    {"magnetic", listIndex(FieldSource::MagneticSource)},
    {"electric", listIndex(FieldSource::ElectricSource)},
    {"none", kNoChoice},
};
// The keys of the material registry, and "none".
constexpr auto kMaterialChoices = [] {
    std::array<Choice, kMaterials.size() + 1> choices{};
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        choices[i] = {kMaterials[i].key, static_cast<ListIndex>(i)};
    }
    choices.back() = {"none", kNoChoice};
    return choices;
}();
constexpr Choice kShapes[] = {
    {"rect", static_cast<ListIndex>(HoleShape::RectangularHole)},
    {"circle", static_cast<ListIndex>(HoleShape::CircularHole)},
    {"none", kNoChoice},
};

constexpr std::string_view kSourceHelp = "field source: plane, magnetic, electric or none";
constexpr std::string_view kMaterialHelp =
    "material: copper, silver, gold, iron, brass, aluminium or none";

constexpr OptionSpec kJsonOption{"--json", OptionKind::Flag, false, "",
                                 "print one JSON object instead of a line of text"};

constexpr OptionSpec kSolidOptions[] = {
    {"--source", OptionKind::Choice, true, "S", kSourceHelp, kSources},
    {"--material", OptionKind::Choice, true, "M", kMaterialHelp, kMaterialChoices},
    {"-f", OptionKind::Number, true, "MHZ", "frequency, MHz"},
    {"-l", OptionKind::Number, true, "CM", "wall thickness, cm"},
    {"-r", OptionKind::Number, false, "CM", "distance from the source to the shield, cm"},
    kJsonOption,
};

constexpr OptionSpec kApertureOptions[] = {
    {"--source", OptionKind::Choice, true, "S", kSourceHelp, kSources},
    {"--shape", OptionKind::Choice, true, "{rect|circle|none}", "shape of the holes", kShapes},
    {"--material", OptionKind::Choice, true, "M", kMaterialHelp, kMaterialChoices},
    {"-l", OptionKind::Number, true, "CM", "hole depth, cm"},
    {"-f", OptionKind::Number, true, "KHZ", "frequency, kHz"},
    {"-D", OptionKind::Number, false, "CM", "diameter of a circular hole, cm"},
    {"-r", OptionKind::Number, false, "CM", "distance from the source to the shield, cm"},
    {"-a", OptionKind::Number, true, "CM2", "area of one hole, cm*cm"},
    {"-b", OptionKind::Number, true, "CM", "width of conductor between neighbouring holes, cm"},
    {"-n", OptionKind::Number, true, "PER_CM2", "number of holes per square centimetre"},
    {"-w", OptionKind::Number, false, "CM",
     "width of a rectangular hole across the electric field, cm"},
    kJsonOption,
};

constexpr OptionSpec kDoubleLayerOptions[] = {
    {"--source", OptionKind::Choice, true, "S", kSourceHelp, kSources},
    {"-f", OptionKind::Number, true, "KHZ", "frequency, kHz"},
    {"--l1", OptionKind::Number, true, "CM", "thickness of the first sheet, cm"},
    {"--r1", OptionKind::Number, false, "CM", "distance from the source to the first sheet, cm"},
    {"--material1", OptionKind::Choice, true, "M", "material of the first sheet", kMaterialChoices},
    {"--l2", OptionKind::Number, true, "CM", "thickness of the second sheet, cm"},
    {"--r2", OptionKind::Number, true, "CM", "distance between the sheets, cm"},
    {"--material2", OptionKind::Choice, true, "M", "material of the second sheet",
     kMaterialChoices},
    kJsonOption,
};

constexpr OptionSpec kEnclosureOptions[] = {
    {"--source", OptionKind::Choice, true, "{magnetic|electric|none}",
     "near-field source: magnetic, electric or none", kNearFieldSources},
    {"--material", OptionKind::Choice, true, "M", kMaterialHelp, kMaterialChoices},
    {"-f", OptionKind::Number, true, "KHZ", "frequency, kHz"},
    {"-l", OptionKind::Number, true, "CM", "wall thickness, cm"},
    {"-a", OptionKind::Number, true, "CM", "length of the box, cm"},
    {"-b", OptionKind::Number, true, "CM", "width of the box, cm"},
    {"-h", OptionKind::Number, true, "CM", "height of the box, cm"},
    kJsonOption,
};

// The SE as JSON number text in the result's own precision, and the text the
// result window shows for it.
struct Evaluation {
    std::string se;
    std::string display;
};

template <class Real> Evaluation evaluation(Real se) {
    return {shortestText(se), resultText(se)};
}

SourceChoice source(const ParsedOptions& options) {
    return sourceAt(options.choice("--source"));
}

Evaluation evaluateSolid(const ParsedOptions& o) {
    const SolidShieldInput input{o.number("-f"), o.number("-l"), o.number("-r"),
                                 o.choice("--material")};
    return evaluation(solidShieldSE(input, source(o)));
}

Evaluation evaluateAperture(const ParsedOptions& o) {
    const ApertureInput input{o.choice("--shape"), o.choice("--material"), o.number("-l"),
                              o.number("-f"),      o.number("-D"),         o.number("-r"),
                              o.number("-a"),      o.number("-b"),         o.number("-n"),
                              o.number("-w")};
    return evaluation(apertureSE(input, source(o)));
}

Evaluation evaluateDoubleLayer(const ParsedOptions& o) {
    const DoubleLayerInput input{o.number("-f"),          o.number("--l1"), o.number("--r1"),
                                 o.choice("--material1"), o.number("--l2"), o.number("--r2"),
                                 o.choice("--material2")};
    return evaluation(doubleLayerSE(input, source(o)));
}

Evaluation evaluateEnclosure(const ParsedOptions& o) {
    const EnclosureInput input{o.number("-f"), o.number("-l"), o.number("-a"),
                               o.number("-b"), o.number("-h"), o.choice("--material")};
    return evaluation(enclosureSE(input, source(o)));
}

struct Command {
    std::string_view name;
    std::string_view summary; // what it computes, for the help texts
    std::span<const OptionSpec> options;
    Evaluation (*evaluate)(const ParsedOptions&);
};

constexpr Command kCommands[] = {
    {"solid", "a solid single-layer sheet", kSolidOptions, evaluateSolid},
    {"aperture", "a sheet perforated by an array of identical holes", kApertureOptions,
     evaluateAperture},
    {"double", "two solid sheets with a gap between them", kDoubleLayerOptions,
     evaluateDoubleLayer},
    {"enclosure", "a closed rectangular box", kEnclosureOptions, evaluateEnclosure},
};

constexpr std::string_view kConventions =
    "Numbers are read in the C form (\".\" as the decimal point) and rounded to\n"
    "single precision. An optional length that is left out, or given as \"\", is 0.\n"
    "Exit status: 0 on success, 1 on an arithmetic fault, 2 on a usage error.\n";

std::string optionSynopsis(const OptionSpec& declared) {
    std::string synopsis(declared.name);
    if (!declared.metavar.empty()) {
        synopsis += ' ';
        synopsis += declared.metavar;
    }
    return synopsis;
}

void writeCommandHelp(const Command& command, std::ostream& out) {
    out << "usage: " << kProgram << ' ' << command.name;
    for (const OptionSpec& declared : command.options) {
        const std::string synopsis = optionSynopsis(declared);
        out << ' ' << (declared.required ? synopsis : "[" + synopsis + "]");
    }
    out << "\n\nThe shielding effectiveness (dB) of " << command.summary << ".\n\noptions:\n";
    std::size_t width = std::string_view("--help").size();
    for (const OptionSpec& declared : command.options) {
        width = std::max(width, optionSynopsis(declared).size());
    }
    const auto writeLine = [&](const std::string& synopsis, std::string_view help) {
        out << "  " << synopsis << std::string(width + 2 - synopsis.size(), ' ') << help << '\n';
    };
    for (const OptionSpec& declared : command.options) {
        writeLine(optionSynopsis(declared), declared.help);
    }
    writeLine("--help", "print this help");
    out << '\n' << kConventions;
}

void writeProgramHelp(std::ostream& out) {
    out << "usage: " << kProgram << " COMMAND OPTIONS [--json]\n\n"
        << "The shielding effectiveness (dB) of metal shields.\n\ncommands:\n";
    for (const Command& command : kCommands) {
        out << "  " << command.name << std::string(11 - command.name.size(), ' ') << command.summary
            << '\n';
    }
    out << "\noptions:\n"
        << "  --help     print this help\n"
        << "  --version  print the version\n"
        << "\nRun '" << kProgram << " COMMAND --help' for the options of a command.\n\n"
        << kConventions;
}

void writeJsonResult(const Command& command, const ParsedOptions& options, const Evaluation& result,
                     std::ostream& out) {
    JsonObject inputs;
    for (const OptionSpec& declared : command.options) {
        const std::string_view key = declared.name.substr(declared.name.find_first_not_of('-'));
        if (declared.kind == OptionKind::Number) {
            inputs.addNumber(key, shortestText(options.number(declared.name)));
        } else if (declared.kind == OptionKind::Choice) {
            inputs.addString(key, options.word(declared.name));
        }
    }
    out << JsonObject()
               .addString("calculation", command.name)
               .addObject("inputs", inputs)
               .addNumber("se_db", result.se)
               .addString("display", result.display)
               .text()
        << '\n';
}

int runCommand(const Command& command, std::span<const std::string_view> args, std::ostream& out,
               std::ostream& err) {
    if (std::ranges::find(args, "--help") != args.end()) {
        writeCommandHelp(command, out);
        return kExitSuccess;
    }
    const auto writeMessage = [&](std::string_view message) {
        err << kProgram << ' ' << command.name << ": " << message << '\n';
    };
    ParsedOptions options;
    try {
        options = parseOptions(command.options, args);
    } catch (const UsageError& error) {
        writeMessage(error.what());
        err << "Run '" << kProgram << ' ' << command.name << " --help' for its options.\n";
        return kExitUsage;
    }
    const bool json = options.given("--json");
    try {
        const Evaluation result = command.evaluate(options);
        if (json) {
            writeJsonResult(command, options, result, out);
        } else {
            out << "SE = " << result.se << " dB\n";
        }
        return kExitSuccess;
    } catch (const ArithmeticFault& fault) {
        writeMessage(fault.what());
        if (json) {
            out << JsonObject().addString("error", fault.what()).text() << '\n';
        }
        return kExitArithmeticFault;
    }
}

} // namespace

int runCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kProgram << ": missing command\n";
    } else if (args.front() == "--help") {
        writeProgramHelp(out);
        return kExitSuccess;
    } else if (args.front() == "--version") {
        out << kProgram << ' ' << kVersion << '\n';
        return kExitSuccess;
    } else {
        const auto command = std::ranges::find(kCommands, args.front(), &Command::name);
        if (command != std::end(kCommands)) {
            return runCommand(*command, args.subspan(1), out, err);
        }
        err << kProgram << ": unknown command '" << textForMessage(args.front()) << "'\n";
    }
    err << "Run '" << kProgram << " --help' for the commands.\n";
    return kExitUsage;
}

} // namespace shieldcalc::cli
