#include "cli/options.h"

#include "core/message_text.h"
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

// User text in a message: plain, visible and of bounded length.
std::string quoted(std::string_view text) {
    return concat("'", textForMessage(text), "'");
}

const OptionSpec* findDeclared(std::span<const OptionSpec> declaredOptions, std::string_view name) {
    const auto found = std::ranges::find(declaredOptions, name, &OptionSpec::name);
    return found == declaredOptions.end() ? nullptr : &*found;
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

float readNumber(std::string_view name, std::string_view text) {
    try {
        return parseNumber(text);
    } catch (const NumberFormatError& error) {
        if (error.reason() == NumberFormatError::Reason::OutOfRange) {
            throw UsageError(
                concat(name, ": ", quoted(text), " is beyond the single-precision range"));
        }
        throw UsageError(concat(name, ": ", quoted(text), " is not a number"));
    }
}

Choice readChoice(std::string_view name, std::string_view text, std::span<const Choice> choices) {
    const auto found = std::ranges::find(choices, text, &Choice::word);
    if (found != choices.end()) {
        return *found;
    }
    std::string words;
    for (const Choice& choice : choices) {
        words += words.empty() ? "" : ", ";
        words += choice.word;
    }
    throw UsageError(concat(name, ": ", quoted(text), " is not one of ", words));
}

ParsedOptions::ParsedOptions(std::span<const OptionSpec> declaredOptions)
    : declaredOptions_(declaredOptions), values_(declaredOptions.size()) {}

std::size_t ParsedOptions::indexOf(std::string_view name) const {
    const OptionSpec* declared = findDeclared(declaredOptions_, name);
    if (declared == nullptr) {
        throw std::logic_error(concat("no option ", name, " in this sub-command"));
    }
    return static_cast<std::size_t>(declared - declaredOptions_.data());
}

ParsedOptions parseOptions(std::span<const OptionSpec> declaredOptions,
                           std::span<const std::string_view> args) {
    ParsedOptions parsed(declaredOptions);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionSpec* declared = findDeclared(declaredOptions, args[i]);
        if (declared == nullptr) {
            rejectArgument(args[i]);
        }
        ParsedOptions::Value& value =
            parsed.values_[static_cast<std::size_t>(declared - declaredOptions.data())];
        if (value.given) {
            throw UsageError(concat("option ", declared->name, " is given more than once"));
        }
        value.given = true;
        if (declared->kind == OptionKind::Flag) {
            continue;
        }
        // No number and no choice word is spelt like an option, so an option
        // name here means that the value was left out.
        if (i + 1 == args.size() || findDeclared(declaredOptions, args[i + 1]) != nullptr) {
            throw UsageError(concat("option ", declared->name, " needs a value"));
        }
        const std::string_view text = args[++i];
        value.text = text;
        if (declared->kind == OptionKind::Choice) {
            value.choice = readChoice(declared->name, text, declared->choices);
        } else if (declared->kind == OptionKind::Text) {
            continue;
        } else if (!text.empty()) {
            value.number = readNumber(declared->name, text);
        } else if (declared->required) {
            throw UsageError(concat(declared->name, ": the value is empty"));
        } // an empty optional number is 0, as an empty optional box on the form
    }
    for (const OptionSpec& declared : declaredOptions) {
        if (declared.required && !parsed.given(declared.name)) {
            throw UsageError(concat("option ", declared.name, " is required"));
        }
    }
    return parsed;
}

} // namespace shieldcalc::cli
