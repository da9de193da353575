#include "cli/options.h"

#include "core/number_text.h"

#include <algorithm>
#include <string>

namespace shieldcalc::cli {

namespace {

template <class... Parts> std::string concat(const Parts&... parts) {
    std::string text;
    (text.append(parts), ...);
    return text;
}

std::string quoted(std::string_view text) {
    return concat("'", text, "'");
}

const OptionSpec* findSpec(std::span<const OptionSpec> specs, std::string_view name) {
    const auto found = std::ranges::find(specs, name, &OptionSpec::name);
    return found == specs.end() ? nullptr : &*found;
}

float readNumber(const OptionSpec& spec, std::string_view text) {
    if (text.empty()) {
        if (spec.required) {
            throw UsageError(concat(spec.name, ": the value is empty"));
        }
        return 0; // as an empty optional box on the form
    }
    try {
        return parseNumber(text);
    } catch (const NumberFormatError& error) {
        if (error.reason() == NumberFormatError::Reason::OutOfRange) {
            throw UsageError(
                concat(spec.name, ": ", quoted(text), " is beyond the single-precision range"));
        }
        throw UsageError(concat(spec.name, ": ", quoted(text), " is not a number"));
    }
}

Choice readChoice(const OptionSpec& spec, std::string_view text) {
    const auto found = std::ranges::find(spec.choices, text, &Choice::word);
    if (found != spec.choices.end()) {
        return *found;
    }
    std::string words;
    for (const Choice& choice : spec.choices) {
        words += words.empty() ? "" : ", ";
        words += choice.word;
    }
    throw UsageError(concat(spec.name, ": ", quoted(text), " is not one of ", words));
}

[[noreturn]] void rejectArgument(std::string_view arg) {
    if (arg == "-h") {
        throw UsageError("unknown option '-h' (help is --help)");
    }
    if (arg.starts_with('-')) {
        throw UsageError(concat("unknown option ", quoted(arg)));
    }
    throw UsageError(concat("unexpected argument ", quoted(arg)));
}

} // namespace

ParsedOptions::ParsedOptions(std::span<const OptionSpec> specs)
    : specs_(specs), values_(specs.size()) {}

std::size_t ParsedOptions::indexOf(std::string_view name) const {
    const OptionSpec* spec = findSpec(specs_, name);
    if (spec == nullptr) {
        throw std::logic_error(concat("no option ", name, " in this sub-command"));
    }
    return static_cast<std::size_t>(spec - specs_.data());
}

ParsedOptions parseOptions(std::span<const OptionSpec> specs,
                           std::span<const std::string_view> args) {
    ParsedOptions parsed(specs);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionSpec* spec = findSpec(specs, args[i]);
        if (spec == nullptr) {
            rejectArgument(args[i]);
        }
        ParsedOptions::Value& value = parsed.values_[static_cast<std::size_t>(spec - specs.data())];
        if (value.given) {
            throw UsageError(concat("option ", spec->name, " is given more than once"));
        }
        value.given = true;
        if (spec->kind == OptionKind::Flag) {
            continue;
        }
        // No number and no choice word is spelt like an option, so an option
        // name here means that the value was left out.
        if (i + 1 == args.size() || findSpec(specs, args[i + 1]) != nullptr) {
            throw UsageError(concat("option ", spec->name, " needs a value"));
        }
        const std::string_view text = args[++i];
        if (spec->kind == OptionKind::Number) {
            value.number = readNumber(*spec, text);
        } else {
            value.choice = readChoice(*spec, text);
        }
    }
    for (const OptionSpec& spec : specs) {
        if (spec.required && !parsed.given(spec.name)) {
            throw UsageError(concat("option ", spec.name, " is required"));
        }
    }
    return parsed;
}

} // namespace shieldcalc::cli
