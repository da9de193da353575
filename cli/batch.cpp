#include "cli/batch.h"

#include "cli/cli.h"
#include "cli/input_texts.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/calculations.h"
#include "core/message_text.h"
#include "io/box_slot_text.h"
#include "io/csv.h"
#include "io/json.h"
#include "io/outcome.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace shieldcalc::cli {

namespace {

constexpr std::string_view kProgram = "shieldcalc-cli batch";
constexpr std::string_view kCalculationColumn = "calculation";
constexpr std::string_view kSourceColumn = "source";
constexpr std::size_t kFlushSize = 1 << 16;

// Lines of the help text are at most this long.
constexpr std::size_t kHelpWidth = 76;

// words as a list in a sentence: "a, b or c".
std::string wordList(const std::vector<std::string_view>& words) {
    std::string list;
    for (std::size_t i = 0; i < words.size(); ++i) {
        list += i == 0 ? "" : i + 1 == words.size() ? " or " : ", ";
        list += words[i];
    }
    return list;
}

// The words of --source: the sources and "none".
std::string sourceList(std::span<const FieldSource> sources) {
    std::vector<std::string_view> words;
    for (FieldSource source : sources) {
        words.push_back(io::sourceWord(source));
    }
    words.push_back(io::kNoneWord);
    return wordList(words);
}

// text broken into lines of at most kHelpWidth characters at its spaces,
// every line but the first indented by indent spaces.
std::string wrapped(std::string_view text, std::size_t indent) {
    std::string lines;
    std::size_t lineStart = 0;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = std::min(text.find(' ', begin), text.size());
        const std::string_view word = text.substr(begin, end - begin);
        if (begin > 0 && lines.size() - lineStart + 1 + word.size() > kHelpWidth) {
            lines += '\n';
            lineStart = lines.size();
            lines.append(indent, ' ');
        } else if (begin > 0) {
            lines += ' ';
        }
        lines += word;
        begin = end + 1;
    }
    return lines + '\n';
}

// The help of batch: the columns are those of the calculations' field tables.
std::string help() {
    std::vector<std::string_view> names;
    std::string otherSources;
    std::string inputs;
    forEachCalculation([&](const auto& calculation) {
        names.push_back(calculation.name);
        if (!std::ranges::equal(calculation.sources, kAllSources)) {
            otherSources += (otherSources.empty() ? " (" : "; ") + std::string("the ") +
                            std::string(calculation.name) + ": " + sourceList(calculation.sources);
        }
        inputs += (inputs.empty() ? "" : "; ") + std::string(calculation.name) + ":";
        for (const auto& field : calculation.fields) {
            inputs += ' ' + std::string(field.key);
        }
    });
    const std::string calculationColumn = "  calculation  ";
    return "usage: shieldcalc-cli batch [FILE|-] [--json]\n"
           "   or: shieldcalc-cli batch [FILE|-] --reference [--json]\n"
           "\n"
           "The shielding effectiveness (dB) of every row of a CSV file (standard input\n"
           "when FILE is - or left out). The header row names the columns:\n" +
           calculationColumn + wordList(names) + '\n' +
           wrapped("  source       " + sourceList(kAllSources) + otherSources +
                       (otherSources.empty() ? "" : ")"),
                   calculationColumn.size()) +
           wrapped("and the inputs of the calculations, named as their options without the "
                   "dashes: " +
                       inputs + ".",
                   0) +
           "In place of a material, sigma_r and mu_r (sigma_r1 and mu_r1, sigma_r2 and\n"
           "mu_r2) give a custom one. A column a row's calculation does not use must be\n"
           "empty in that row; an optional length left empty is 0. The column receiver\n"
           "(solid and double) is the distance of the receiving loop behind the shield\n"
           "in the magnetic source's reference model; empty, as far as the source is\n"
           "before it.\n"
           "\n"
           "Writes CSV: every input column as read, then se_db, display and error.\n"
           "  --reference  add reference_db and advice (the advice codes, separated by\n"
           "               \";\") to every row, where they can be formed\n"
           "  --json       write one JSON object per row instead (JSON Lines)\n"
           "  --help       print this help\n"
           "\n"
           "Records end with LF or CRLF; a carriage return elsewhere outside quotes\n"
           "stops the run at its line. A record holds at most 1 MiB (1048576 bytes,\n"
           "its line end not counted) and 1024 fields.\n"
           "Numbers are read in the C form (\".\" as the decimal point) and rounded to\n"
           "single precision. Exit status: 0 when every row computed, 1 when any row\n"
           "failed, 2 on a usage error or a file that is not well-formed CSV, 3 when\n"
           "the input could not be read or the output written.\n";
}

// The header's columns and, for each calculation, where its inputs are.
class Columns {
public:
    explicit Columns(const std::vector<std::string>& header) : header_(header) {
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (std::find(header.begin(), header.begin() + long(i), header[i]) !=
                header.begin() + long(i)) {
                throw io::CsvError(1,
                                   "the column '" + textForMessage(header[i]) + "' appears twice");
            }
            if (!known(header[i])) {
                throw io::CsvError(1, "unknown column '" + textForMessage(header[i]) + "'");
            }
        }
        if (!indexOf(kCalculationColumn)) {
            throw io::CsvError(1, "no column 'calculation'");
        }
    }

    std::optional<std::size_t> indexOf(std::string_view name) const {
        const auto found = std::ranges::find(header_, name);
        if (found == header_.end()) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(found - header_.begin());
    }
    std::size_t size() const { return header_.size(); }
    const std::string& name(std::size_t index) const { return header_[index]; }

private:
    static bool known(std::string_view name) {
        if (name == kCalculationColumn || name == kSourceColumn || name == io::kReceiverKey) {
            return true;
        }
        bool found = false;
        forEachCalculation([&](const auto& calculation) {
            for (const auto& field : calculation.fields) {
                found = found || field.key == name ||
                        (field.kind() == FieldKind::Material &&
                         (sigmaColumn(field.key) == name || muColumn(field.key) == name));
            }
        });
        return found;
    }

    std::vector<std::string> header_;
};

// Where one calculation's inputs stand in the row, and which columns it
// leaves empty.
class CalculationColumns {
public:
    template <class Input, class Result>
    CalculationColumns(const Calculation<Input, Result>& calculation, const Columns& columns)
        : name_(calculation.name), sources_(sourceChoices(calculation.sources)) {
        std::vector<bool> used(columns.size(), false);
        const auto add = [&](std::string_view key) {
            const std::optional<std::size_t> index = columns.indexOf(key);
            if (index) {
                used[*index] = true;
            }
            keys_.emplace_back(key, index);
        };
        add(kCalculationColumn);
        add(kSourceColumn);
        for (const Field<Input>& field : calculation.fields) {
            add(field.key);
            if (field.kind() == FieldKind::Material) {
                add(sigmaColumn(field.key));
                add(muColumn(field.key));
            }
        }
        if constexpr (kHasReceiver<Input>) {
            add(io::kReceiverKey);
        }
        for (std::size_t i = 0; i < used.size(); ++i) {
            if (!used[i]) {
                unused_.push_back(i);
            }
        }
    }

    std::optional<std::size_t> indexOf(std::string_view key) const {
        // The keys asked for are mostly the very views of the field table.
        const auto found = std::ranges::find_if(keys_, [key](const Key& k) {
            return k.first.size() == key.size() && (k.first.data() == key.data() || k.first == key);
        });
        return found == keys_.end() ? std::nullopt : found->second;
    }
    std::string_view name() const { return name_; }
    const std::vector<std::size_t>& unused() const { return unused_; }
    // The words of the calculation's sources.
    std::span<const Choice> sources() const { return sources_; }

private:
    // The keys are views of the field tables and of the property names.
    using Key = std::pair<std::string_view, std::optional<std::size_t>>;
    std::string_view name_; // of the calculation
    std::vector<Key> keys_;
    std::vector<std::size_t> unused_;
    std::vector<Choice> sources_;
};

// One row's cells as the texts of a calculation's inputs.
class RowTexts final : public InputTexts {
public:
    RowTexts(const std::vector<std::string>& row, const CalculationColumns& columns)
        : row_(row), columns_(columns) {}

    std::optional<std::string_view> text(std::string_view key) const override {
        const std::optional<std::size_t> index = columns_.indexOf(key);
        if (!index) {
            return std::nullopt;
        }
        return row_[*index];
    }
    std::optional<float> number(std::string_view key) const override {
        const std::optional<std::string_view> cell = text(key);
        if (!cell || cell->empty()) {
            return std::nullopt;
        }
        return readNumber(key, *cell);
    }
    std::string nameOf(std::string_view key) const override { return std::string(key); }

private:
    const std::vector<std::string>& row_;
    const CalculationColumns& columns_;
};

// What one row gives: the SE and its text, or why there is none.
struct RowResult {
    io::Outcome outcome;
    std::optional<BoxSlotResult> boxSlot; // in place of the SE, for a box with a slot
    std::string calculation;
    io::JsonObject inputs;
    // With --reference: the reference value and the advice, where they can
    // be formed.
    std::optional<double> reference;
    std::vector<Advice> advice;
};

// The column that only a box with a slot has, and those of its results.
constexpr std::string_view kBoxSlotColumn = "slot_length";
constexpr std::string_view kBoxSlotResultColumns = "se_e_db,display_e,se_h_db,display_h,";

// A box with a slot computed, or why not, as a row's outcome.
RowResult boxSlotRow(const BoxSlotInput& input, const InputTexts& texts) {
    RowResult result;
    if (const std::optional<BoxSlotRefusal> refusal = boxSlotRefusal(input)) {
        throw UsageError(io::refusalText(*refusal, texts.nameOf(refusal->input),
                                         texts.nameOf(io::refusalLimitKey(refusal->problem))));
    }
    try {
        result.boxSlot = boxSlot(input);
        result.outcome.computed = true;
    } catch (const ArithmeticFault& fault) {
        result.outcome.error = fault.what();
    }
    return result;
}

class BatchRun {
public:
    BatchRun(const Columns& columns, bool json, bool reference)
        : columns_(columns), json_(json), reference_(reference),
          boxSlotColumns_(columns.indexOf(kBoxSlotColumn)) {
        forEachCalculation(
            [&](const auto& calculation) { calculations_.emplace_back(calculation, columns); });
    }

    // Computes one row; false when it failed.
    bool run(const std::vector<std::string>& row, long line, std::string& output) {
        const RowResult result = compute(row);
        if (json_) {
            io::JsonObject object;
            object.addNumber("line", std::to_string(line));
            if (result.boxSlot) {
                object.addString("calculation", result.calculation)
                    .addObject("inputs", result.inputs);
                io::addBoxSlotSE(object, result.boxSlot->se);
                io::addResonances(object, result.boxSlot->resonancesMHz);
            } else if (result.outcome.computed) {
                object.addString("calculation", result.calculation)
                    .addObject("inputs", result.inputs)
                    .addNumber("se_db", result.outcome.se)
                    .addString("display", result.outcome.display);
            } else {
                object.addString("error", result.outcome.error);
            }
            if (reference_) {
                io::addOptionalNumber(object, "reference_db", result.reference)
                    .addArray("advice", io::adviceJson(result.advice));
            }
            output += object.text();
        } else {
            for (const std::string& cell : row) {
                io::appendCsvField(output, cell);
                output += ',';
            }
            output += result.outcome.se;
            output += ',';
            io::appendCsvField(output, result.outcome.display);
            output += ',';
            if (boxSlotColumns_) {
                io::appendBoxSlotCells(output, result.boxSlot ? std::optional(result.boxSlot->se)
                                                              : std::nullopt);
                output += ',';
            }
            io::appendCsvField(output, result.outcome.error);
            if (reference_) {
                output += ',';
                if (result.reference) {
                    output += io::shortestText(*result.reference);
                }
                output += ',';
                output += io::adviceCodes(result.advice);
            }
        }
        output += '\n';
        return result.outcome.computed;
    }

private:
    RowResult compute(const std::vector<std::string>& row) {
        RowResult result;
        const std::string& name = row[*columns_.indexOf(kCalculationColumn)];
        try {
            const bool known = withCalculation(name, [&](const auto& calculation) {
                const CalculationColumns& columns = columnsOf(calculation.name);
                for (std::size_t index : columns.unused()) {
                    if (!row[index].empty()) {
                        throw UsageError(columns_.name(index) + ": not an input of " +
                                         std::string(calculation.name) + ", must be empty");
                    }
                }
                const RowTexts texts(row, columns);
                const std::optional<std::string_view> sourceText = texts.text(kSourceColumn);
                // A calculation that knows one source needs no choice.
                const bool sourceNeeded = calculation.sources.size() > 1;
                if (sourceNeeded && (!sourceText || sourceText->empty())) {
                    throw UsageError("source: a value is required");
                }
                SourceChoice source =
                    sourceText && !sourceText->empty()
                        ? sourceAt(readChoice(kSourceColumn, *sourceText, columns.sources()).index)
                        : std::nullopt;
                if (!sourceNeeded) {
                    source = calculation.sources.front(); // the only one it can face
                }
                const auto input = readInput(calculation.fields, texts);
                ReferenceGeometry geometry;
                if constexpr (kHasReceiver<std::decay_t<decltype(input)>>) {
                    geometry = readGeometry(texts);
                }
                if constexpr (std::is_same_v<std::decay_t<decltype(input)>, BoxSlotInput>) {
                    result = boxSlotRow(input, texts);
                    if (reference_) {
                        result.advice =
                            boxSlotAdvice(input, result.boxSlot ? std::optional(result.boxSlot->se)
                                                                : std::nullopt);
                    }
                } else {
                    result.outcome = io::evaluate(calculation, input, source);
                    if (reference_) {
                        result.reference = referenceSE(input, source, geometry);
                        result.advice = validityAdvice(input, source,
                                                       {result.outcome.computed
                                                            ? std::optional(result.outcome.value)
                                                            : std::nullopt,
                                                        result.reference});
                    }
                }
                if (json_) {
                    result.calculation = calculation.name;
                    result.inputs = io::jsonInputs(calculation.fields, input, source);
                    io::addGeometry(result.inputs, geometry);
                }
            });
            if (!known) {
                std::string names;
                forEachCalculation([&](const auto& calculation) {
                    names += (names.empty() ? "" : ", ") + std::string(calculation.name);
                });
                throw UsageError("calculation: '" + textForMessage(name) + "' is not one of " +
                                 names);
            }
        } catch (const UsageError& error) {
            result.outcome = {false, {}, {}, error.what()};
        }
        return result;
    }

    const CalculationColumns& columnsOf(std::string_view name) const {
        return *std::ranges::find(calculations_, name, &CalculationColumns::name);
    }

    const Columns& columns_;
    bool json_;
    bool reference_;      // whether rows carry the reference value and the advice
    bool boxSlotColumns_; // whether the rows can hold a box with a slot
    std::vector<CalculationColumns> calculations_; // in the order of the registry
};

int usageError(std::ostream& err, std::string_view message) {
    err << kProgram << ": " << message << "\nRun '" << kProgram << " --help' for its use.\n";
    return kExitUsage;
}

// input: how messages name the input, "standard input" or "'rows.csv'".
int runOn(std::istream& in, const std::string& input, bool json, bool reference, std::ostream& out,
          std::ostream& err) {
    io::CsvReader reader(in);
    std::string output;
    bool allComputed = true;
    try {
        std::vector<std::string> row;
        if (!reader.next(row)) {
            throw io::CsvError(1, "no header row");
        }
        const Columns columns(row);
        if (!json) {
            for (const std::string& name : row) {
                io::appendCsvField(output, name);
                output += ',';
            }
            output += "se_db,display,";
            if (columns.indexOf(kBoxSlotColumn)) {
                output += kBoxSlotResultColumns;
            }
            output += reference ? "error,reference_db,advice\n" : "error\n";
        }
        BatchRun run(columns, json, reference);
        while (reader.next(row)) {
            if (row.size() == 1 && row.front().empty() && columns.size() > 1) {
                continue; // an empty line
            }
            if (row.size() != columns.size()) {
                throw io::CsvError(reader.line(), std::to_string(row.size()) +
                                                      " fields where the header has " +
                                                      std::to_string(columns.size()));
            }
            allComputed = run.run(row, reader.line(), output) && allComputed;
            if (output.size() >= kFlushSize) {
                out << output;
                checkOutput(out); // a reader gone ends the run at once
                output.clear();
            }
        }
    } catch (const io::CsvError& error) {
        out << output;
        err << kProgram << ": " << error.what() << '\n';
        return kExitUsage;
    } catch (const io::CsvReadError& error) {
        out << output;
        err << kProgram << ": cannot read " << input << " at line " << error.line() << ": "
            << error.what() << '\n';
        return kExitInputOutput;
    }
    out << output;
    return allComputed ? kExitSuccess : kExitArithmeticFault;
}

} // namespace

int runBatch(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
             std::ostream& err) {
    bool json = false;
    bool reference = false;
    std::optional<std::string_view> file;
    for (std::string_view arg : args) {
        if (arg == "--help") {
            out << help();
            return kExitSuccess;
        }
    }
    for (std::string_view arg : args) {
        if (arg == "--json") {
            if (json) {
                return usageError(err, "option --json is given more than once");
            }
            json = true;
        } else if (arg == "--reference") {
            if (reference) {
                return usageError(err, "option --reference is given more than once");
            }
            reference = true;
        } else if (arg.starts_with('-') && arg != "-") {
            return usageError(err, "unknown option '" + textForMessage(arg) + "'");
        } else if (file) {
            return usageError(err, "unexpected argument '" + textForMessage(arg) + "'");
        } else {
            file = arg;
        }
    }
    if (!file || *file == "-") {
        return runOn(in, "standard input", json, reference, out, err);
    }
    const std::string name = "'" + textForMessage(*file) + "'";
    std::ifstream stream{std::string(*file), std::ios::binary};
    if (!stream) {
        err << kProgram << ": cannot open " << name << ": "
            << std::error_code(errno, std::system_category()).message() << '\n';
        return kExitUsage;
    }
    return runOn(stream, name, json, reference, out, err);
}

} // namespace shieldcalc::cli
