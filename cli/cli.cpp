#include "cli/cli.h"

#include "cli/batch.h"
#include "cli/input_texts.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/sweep.h"
#include "core/calculations.h"
#include "core/message_text.h"
#include "core/reference.h"
#include "core/version.h"
#include "io/box_slot_text.h"
#include "io/json.h"
#include "io/outcome.h"
#include "io/sweep_table.h"
#include "io/wording.h"

#include <algorithm>
#include <deque>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace shieldcalc::cli {

namespace {

constexpr std::string_view kProgram = "shieldcalc-cli";

constexpr OptionSpec kJsonOption{"--json", OptionKind::Flag, false, "",
                                 "print one JSON object instead of a line of text"};
constexpr OptionSpec kQuietOption{"--quiet", OptionKind::Flag, false, "",
                                  "print no warnings about a single result on standard error"};

// The options of a calculation, read from its field table: the source, each
// field (a material also by its two properties), --json, --quiet, then those
// of a sweep and --reference. A sweep takes the place of the frequency.
class CommandOptions {
public:
    template <class Input, class Result>
    CommandOptions(const Calculation<Input, Result>& calculation, bool sweeping)
        : sources_(sourceChoices(calculation.sources)) {
        // A calculation that knows one source needs no choice.
        specs_.push_back({"--source", OptionKind::Choice, calculation.sources.size() > 1,
                          calculation.sourceMetavar, calculation.sourceHelp, sources_});
        for (const Field<Input>& field : calculation.fields) {
            switch (field.kind()) {
            case FieldKind::Number:
                add({field.option,
                     OptionKind::Number,
                     field.needed == Needed::Always && !(sweeping && field.key == kFrequencyKey),
                     field.metavar,
                     {}},
                    field.unit.empty() ? std::string(field.help)
                                       : std::string(field.help) + ", " + std::string(field.unit));
                break;
            case FieldKind::Material:
                addMaterial(field.key, field.option, field.help);
                break;
            case FieldKind::Shape:
                specs_.push_back({field.option, OptionKind::Choice, true, field.metavar, field.help,
                                  kShapeChoices});
                break;
            }
        }
        specs_.insert(specs_.end(), {kJsonOption, kQuietOption});
        specs_.insert(specs_.end(), {kSweepOption, kLinearOption, kReferenceOption});
        if constexpr (kHasReceiver<Input>) {
            specs_.push_back(kReceiverOption);
        }
    }

    std::span<const OptionSpec> specs() const { return specs_; }

private:
    void add(OptionSpec option, std::string help, std::string name = {}) {
        if (!name.empty()) {
            option.name = texts_.emplace_back(std::move(name));
        }
        option.help = texts_.emplace_back(std::move(help));
        specs_.push_back(option);
    }

    void addMaterial(std::string_view key, std::string_view option, std::string_view help) {
        std::string words;
        for (const MaterialEntry& entry : kMaterials) {
            words += std::string(entry.key) + ", ";
        }
        words.resize(words.size() - 2);
        add({option, OptionKind::Choice, false, "M", {}, kMaterialChoices},
            std::string(help) + ": " + words + " or none");
        add({{}, OptionKind::Number, false, "X", {}},
            "or a custom material: conductivity relative to copper, greater than 0",
            std::string(sigmaOption(key)));
        add({{}, OptionKind::Number, false, "Y", {}}, "and relative permeability, greater than 0",
            std::string(muOption(key)));
    }

    std::vector<Choice> sources_;   // the words of --source
    std::deque<std::string> texts_; // names and help texts made here
    std::vector<OptionSpec> specs_;
};

// The options' values as the texts of the inputs, by field key; a custom
// material's properties under the keys of their CSV columns.
template <class Input> class OptionTexts final : public InputTexts {
public:
    OptionTexts(const ParsedOptions& options, std::span<const Field<Input>> fields)
        : options_(options) {
        for (const Field<Input>& field : fields) {
            names_.emplace_back(std::string(field.key), std::string(field.option));
            if (field.kind() == FieldKind::Material) {
                names_.emplace_back(std::string(sigmaColumn(field.key)),
                                    std::string(sigmaOption(field.key)));
                names_.emplace_back(std::string(muColumn(field.key)),
                                    std::string(muOption(field.key)));
            }
        }
        if constexpr (kHasReceiver<Input>) {
            names_.emplace_back(std::string(io::kReceiverKey), std::string(kReceiverOption.name));
        }
    }

    std::optional<std::string_view> text(std::string_view key) const override {
        const std::string option = nameOf(key);
        if (!options_.given(option)) {
            return std::nullopt;
        }
        return options_.text(option);
    }

    // The number as the options read it.
    std::optional<float> number(std::string_view key) const override {
        const std::string option = nameOf(key);
        if (!options_.given(option) || options_.text(option).empty()) {
            return std::nullopt;
        }
        return options_.number(option);
    }

    std::string nameOf(std::string_view key) const override {
        const auto found =
            std::ranges::find(names_, key, &std::pair<std::string, std::string>::first);
        return found == names_.end() ? std::string(key) : found->second;
    }

private:
    const ParsedOptions& options_;
    std::vector<std::pair<std::string, std::string>> names_; // key, option
};

constexpr std::string_view kConventions =
    "Numbers are read in the C form (\".\" as the decimal point) and rounded to\n"
    "single precision. An optional length that is left out, or given as \"\", is 0.\n"
    "A choice of \"none\" (a source, a material, a shape) stands for a choice left\n"
    "open in the windows, and gives the result the windows give for it.\n"
    "Exit status: 0 on success, 1 on an arithmetic fault (at any point of a sweep),\n"
    "2 on a usage error, 3 when the output could not be written.\n";

std::string optionSynopsis(const OptionSpec& declared) {
    std::string synopsis(declared.name);
    if (!declared.metavar.empty()) {
        synopsis += ' ';
        synopsis += declared.metavar;
    }
    return synopsis;
}

bool isSweepOrReference(const OptionSpec& declared) {
    return declared.name == kSweepOption.name || declared.name == kLinearOption.name ||
           declared.name == kReferenceOption.name || declared.name == kReceiverOption.name;
}

// The usage line's options: a material as the choice between a listed
// metal and a custom one.
template <class Input, class Result>
std::string usageOptions(const Calculation<Input, Result>& calculation,
                         std::span<const OptionSpec> options) {
    std::string usage;
    for (const OptionSpec& declared : options) {
        const std::string synopsis = optionSynopsis(declared);
        const Field<Input>* field = findField(
            calculation.fields, declared.name.substr(declared.name.find_first_not_of('-')));
        if (field != nullptr && field->kind() == FieldKind::Material) {
            usage += " (" + synopsis + " | " + std::string(sigmaOption(field->key)) + " X " +
                     std::string(muOption(field->key)) + " Y)";
        } else if (declared.name.starts_with("--sigma-r") || declared.name.starts_with("--mu-r") ||
                   isSweepOrReference(declared)) {
            continue;
        } else {
            usage += ' ' + (declared.required ? synopsis : "[" + synopsis + "]");
        }
    }
    return usage;
}

template <class Input, class Result>
void writeCommandHelp(const Calculation<Input, Result>& calculation,
                      std::span<const OptionSpec> options, std::ostream& out) {
    const std::string command = std::string(kProgram) + ' ' + std::string(calculation.name);
    const std::string receiver =
        kHasReceiver<Input> ? " [" + optionSynopsis(kReceiverOption) + "]" : std::string();
    out << "usage: " << command << usageOptions(calculation, options) << "\n   or: " << command
        << " OPTIONS " << kReferenceOption.name << receiver << " [--json]\n   or: " << command
        << " OPTIONS " << kSweepOption.name << ' ' << kSweepOption.metavar << " ["
        << kLinearOption.name << "]" << receiver
        << " [--json]\n       (OPTIONS as in the first line; a sweep takes the place of "
        << findField(calculation.fields, kFrequencyKey)->option
        << ")\n\nThe shielding effectiveness (dB) of " << calculation.summary << ".\n\noptions:\n";
    std::size_t width = std::string_view("--help").size();
    for (const OptionSpec& declared : options) {
        width = std::max(width, optionSynopsis(declared).size());
    }
    const auto writeLine = [&](const std::string& synopsis, std::string_view help) {
        out << "  " << synopsis << std::string(width + 2 - synopsis.size(), ' ') << help << '\n';
    };
    for (const OptionSpec& declared : options) {
        writeLine(optionSynopsis(declared), declared.help);
    }
    writeLine("--help", "print this help");
    out << '\n' << kConventions;
}

void writeProgramHelp(std::ostream& out) {
    out << "usage: " << kProgram << " COMMAND OPTIONS [--json]\n"
        << "   or: " << kProgram << " COMMAND OPTIONS " << kReferenceOption.name << " [--json]\n"
        << "   or: " << kProgram << " COMMAND OPTIONS " << kSweepOption.name << ' '
        << kSweepOption.metavar << " [" << kLinearOption.name << "] [--json]\n"
        << "   or: " << kProgram << ' ' << kBatchCommand << " [FILE|-] [--json]\n\n"
        << "The shielding effectiveness (dB) of metal shields.\n\ncommands:\n";
    const auto writeCommand = [&](std::string_view name, std::string_view summary) {
        out << "  " << name << std::string(11 - name.size(), ' ') << summary << '\n';
    };
    forEachCalculation(
        [&](const auto& calculation) { writeCommand(calculation.name, calculation.summary); });
    writeCommand(kBatchCommand, kBatchSummary);
    out << "\noptions of every calculation, besides its own:\n";
    for (const OptionSpec& option : {kJsonOption, kReferenceOption, kSweepOption, kLinearOption}) {
        // A synopsis too long for the column has its help on the next line.
        const std::string synopsis = optionSynopsis(option);
        out << "  " << synopsis
            << (synopsis.size() < 12 ? std::string(13 - synopsis.size(), ' ')
                                     : "\n" + std::string(15, ' '))
            << option.help << '\n';
    }
    out << "\nbatch --json writes one JSON object per row (JSON Lines).\n"
        << "\noptions:\n"
        << "  --help     print this help\n"
        << "  --version  print the version\n"
        << "\nRun '" << kProgram << " COMMAND --help' for the options of a command.\n\n"
        << kConventions;
}

// Refuses inputs that describe no box with a slot, naming the options.
// A sweep is refused by the frequency it starts from, its lowest.
void refuseImpossibleBox(BoxSlotInput input, const InputTexts& texts,
                         const std::optional<SweepGrid>& grid) {
    if (grid) {
        input.f = grid->start;
    }
    const std::optional<BoxSlotRefusal> refusal = boxSlotRefusal(input);
    if (!refusal) {
        return;
    }
    const auto nameOf = [&](std::string_view key) {
        return grid && key == kFrequencyKey ? std::string(kSweepOption.name) + " START"
                                            : texts.nameOf(key);
    };
    throw UsageError(io::refusalText(*refusal, nameOf(refusal->input),
                                     nameOf(io::refusalLimitKey(refusal->problem))));
}

// The warnings after a single result, on standard error, unless the
// result's text already lists them; the notes only on request.
template <class WriteMessage>
void writeWarnings(std::span<const Advice> advice, bool json, bool reference, bool quiet,
                   std::ostream& out, WriteMessage writeMessage) {
    if (!quiet && (json || !reference)) {
        out.flush();
        checkOutput(out);
        for (const Advice& item : advice) {
            if (item.severity == Severity::Warning) {
                writeMessage(io::adviceText(item));
            }
        }
    }
}

// The box with a slot's two SE values and resonances, or its fault; its
// advice in JSON and with --reference, its warnings as after any result.
template <class WriteMessage>
int writeBoxSlot(const Calculation<BoxSlotInput, BoxSlotResult>& calculation,
                 const BoxSlotInput& input, SourceChoice source, bool json, bool reference,
                 bool quiet, std::ostream& out, WriteMessage writeMessage) {
    std::optional<BoxSlotResult> result;
    std::string error;
    try {
        result = boxSlot(input);
    } catch (const ArithmeticFault& fault) {
        error = fault.what();
        writeMessage(error);
    }
    const std::vector<Advice> advice =
        boxSlotAdvice(input, result ? std::optional(result->se) : std::nullopt);
    if (json) {
        io::JsonObject object;
        if (result) {
            object.addString("calculation", calculation.name)
                .addObject("inputs", io::jsonInputs(calculation.fields, input, source));
            io::addBoxSlotSE(object, result->se);
        } else {
            object.addString("error", error);
        }
        io::addResonances(object, cavityResonancesMHz(input))
            .addArray("advice", io::adviceJson(advice));
        out << object.text() << '\n';
    } else if (result) {
        out << io::boxSlotLines(*result);
        if (reference) {
            for (const Advice& item : advice) {
                out << io::adviceText(item) << '\n';
            }
        }
    }
    if (!result) {
        return kExitArithmeticFault;
    }
    writeWarnings(advice, json, reference, quiet, out, writeMessage);
    return kExitSuccess;
}

// One result, with its reference value and advice in the given geometry;
// a fault keeps them.
template <class Input, class Result, class WriteMessage>
int writeResult(const Calculation<Input, Result>& calculation, const Input& input,
                SourceChoice source, const ReferenceGeometry& geometry, bool json, bool reference,
                bool quiet, std::ostream& out, WriteMessage writeMessage) {
    const io::Outcome outcome = io::evaluate(calculation, input, source);
    const std::optional<double> referenceDb = referenceSE(input, source, geometry);
    const std::optional<double> handbookDb =
        outcome.computed ? std::optional(outcome.value) : std::nullopt;
    const std::vector<Advice> advice = validityAdvice(input, source, {handbookDb, referenceDb});
    if (!outcome.computed) {
        writeMessage(outcome.error);
    }
    if (json) {
        io::JsonObject inputs = io::jsonInputs(calculation.fields, input, source);
        io::JsonObject object;
        object.addString("calculation", calculation.name)
            .addObject("inputs", io::addGeometry(inputs, geometry));
        if (outcome.computed) {
            object.addNumber("se_db", outcome.se).addString("display", outcome.display);
        } else {
            object.addNull("se_db").addNull("display");
        }
        io::addOptionalNumber(object, "reference_db", referenceDb)
            .addArray("advice", io::adviceJson(advice));
        if (!outcome.computed) {
            object.addString("error", outcome.error);
        }
        out << object.text() << '\n';
    } else {
        if (outcome.computed) {
            out << "SE = " << outcome.se << " dB\n";
        }
        if (reference) {
            out << "reference SE = "
                << (referenceDb ? io::shortestText(*referenceDb) + " dB" : std::string("none"))
                << '\n';
            for (const Advice& item : advice) {
                out << io::adviceText(item) << '\n';
            }
        }
    }
    if (!outcome.computed) {
        return kExitArithmeticFault;
    }
    writeWarnings(advice, json, reference, quiet, out, writeMessage);
    return kExitSuccess;
}

template <class Input, class Result>
int runCommand(const Calculation<Input, Result>& calculation,
               std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const bool sweeping = std::ranges::find(args, kSweepOption.name) != args.end();
    const CommandOptions declared(calculation, sweeping);
    if (std::ranges::find(args, "--help") != args.end()) {
        writeCommandHelp(calculation, declared.specs(), out);
        return kExitSuccess;
    }
    const auto writeMessage = [&](std::string_view message) {
        err << kProgram << ' ' << calculation.name << ": " << message << '\n';
    };
    Input input;
    SourceChoice source;
    bool json = false;
    bool reference = false;
    bool quiet = false;
    ReferenceGeometry geometry;
    std::optional<SweepGrid> grid;
    try {
        const ParsedOptions options = parseOptions(declared.specs(), args);
        if (sweeping) {
            const std::string_view frequencyOption =
                findField(calculation.fields, kFrequencyKey)->option;
            if (options.given(frequencyOption)) {
                throw UsageError("option " + std::string(frequencyOption) + " and " +
                                 std::string(kSweepOption.name) + " exclude each other");
            }
            grid =
                readSweepGrid(options.text(kSweepOption.name), options.given(kLinearOption.name));
        } else if (options.given(kLinearOption.name)) {
            throw UsageError("option " + std::string(kLinearOption.name) + " needs " +
                             std::string(kSweepOption.name));
        }
        // A sweep gives the frequency of each point itself.
        const OptionTexts<Input> texts(options, calculation.fields);
        input = readInput(calculation.fields, texts, sweeping ? kFrequencyKey : std::string_view());
        if constexpr (std::is_same_v<Input, BoxSlotInput>) {
            refuseImpossibleBox(input, texts, grid);
        }
        if constexpr (kHasReceiver<Input>) {
            geometry = readGeometry(texts);
        }
        source = sourceAt(options.choice("--source"));
        if (calculation.sources.size() == 1) {
            source = calculation.sources.front(); // the only one it can face
        }
        json = options.given("--json");
        reference = options.given(kReferenceOption.name);
        quiet = options.given(kQuietOption.name);
    } catch (const UsageError& error) {
        writeMessage(error.what());
        err << "Run '" << kProgram << ' ' << calculation.name << " --help' for its options.\n";
        return kExitUsage;
    }
    if (grid) {
        // Points closer than single precision resolves fall on the same frequency.
        // Points closer than single precision resolves fall on the same
        // frequency; the grid rises, so equal ones stand side by side.
        std::vector<float> frequencies = sweepFrequencies(*grid);
        const std::size_t requested = frequencies.size();
        const auto distinct = static_cast<std::size_t>(
            std::unique(frequencies.begin(), frequencies.end()) - frequencies.begin());
        if (distinct < requested) {
            writeMessage("note: " + std::to_string(requested) + " points requested, " +
                         std::to_string(distinct) + " distinct after rounding to single precision");
        }
        return io::writeSweep(calculation, input, source, *grid, json, out, geometry)
                   ? kExitSuccess
                   : kExitArithmeticFault;
    }
    if constexpr (std::is_same_v<Input, BoxSlotInput>) {
        return writeBoxSlot(calculation, input, source, json, reference, quiet, out, writeMessage);
    } else {
        return writeResult(calculation, input, source, geometry, json, reference, quiet, out,
                           writeMessage);
    }
}

int dispatch(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
             std::ostream& err) {
    if (args.empty()) {
        err << kProgram << ": missing command\n";
    } else if (args.front() == "--help") {
        writeProgramHelp(out);
        return kExitSuccess;
    } else if (args.front() == "--version") {
        out << kProgram << ' ' << kVersion << '\n';
        return kExitSuccess;
    } else if (args.front() == kBatchCommand) {
        return runBatch(args.subspan(1), in, out, err);
    } else {
        int status = kExitUsage;
        if (withCalculation(args.front(), [&](const auto& calculation) {
                status = runCommand(calculation, args.subspan(1), out, err);
            })) {
            return status;
        }
        err << kProgram << ": unknown command '" << textForMessage(args.front()) << "'\n";
    }
    err << "Run '" << kProgram << " --help' for the commands.\n";
    return kExitUsage;
}

} // namespace

int runCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err) {
    try {
        const int status = dispatch(args, in, out, err);
        out.flush();
        checkOutput(out);
        return status;
    } catch (const OutputError& error) {
        err << kProgram << ": cannot write to standard output: " << error.what() << '\n';
        return kExitInputOutput;
    }
}

int runCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    std::istringstream nothing;
    return runCli(args, nothing, out, err);
}

} // namespace shieldcalc::cli
