// The options of one sub-command and how its arguments are read.
//
// A sub-command lists its options in a table of OptionSpec, made from the
// calculation's field table; the same table gives its help.
// parseOptions walks the arguments once, left to right. Every option but a
// flag takes the next argument as its value: a number is converted as the
// forms convert their text boxes (C form, rounded to single precision), a
// choice is one of the option's words, a text is kept as typed. The first thing that is wrong
// throws UsageError, whose message names the option.
#pragma once

#include "core/inputs.h"

#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace shieldcalc::cli {

// One word of a choice and the list index it selects (-1 for "none").
struct Choice {
    std::string_view word;
    ListIndex index;
};

enum class OptionKind { Number, Choice, Flag, Text };

struct OptionSpec {
    std::string_view name; // as typed: "-f", "--material1"
    OptionKind kind;
    bool required;
    std::string_view metavar; // the value in the usage line: "MHZ", "{rect|circle|none}"
    std::string_view help;    // what the option means, for --help
    std::span<const Choice> choices = {}; // the words of a Choice option
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ParsedOptions;

// text as a number, in the C form and rounded to single precision; a
// UsageError naming name when it is not one.
float readNumber(std::string_view name, std::string_view text);
// The choice whose word is text; a UsageError naming name and the words when
// there is none.
Choice readChoice(std::string_view name, std::string_view text, std::span<const Choice> choices);

// args: the arguments after the sub-command's name.
ParsedOptions parseOptions(std::span<const OptionSpec> declaredOptions,
                           std::span<const std::string_view> args);

// The values of one sub-command's options, looked up by the option's name.
class ParsedOptions {
public:
    ParsedOptions() = default;
    explicit ParsedOptions(std::span<const OptionSpec> declaredOptions);

    bool given(std::string_view name) const { return values_[indexOf(name)].given; }
    // The number, 0 for an optional number that was left out.
    float number(std::string_view name) const { return values_[indexOf(name)].number; }
    // The chosen list index, -1 for "none".
    ListIndex choice(std::string_view name) const { return chosen(name).index; }
    // The value as it was typed; empty when the option was left out.
    std::string_view text(std::string_view name) const { return values_[indexOf(name)].text; }

private:
    friend ParsedOptions parseOptions(std::span<const OptionSpec> declaredOptions,
                                      std::span<const std::string_view> args);

    struct Value {
        bool given = false;
        std::string_view text;
        float number = 0;
        Choice choice{"none", kNoChoice};
    };

    std::size_t indexOf(std::string_view name) const;
    const Choice& chosen(std::string_view name) const { return values_[indexOf(name)].choice; }

    std::span<const OptionSpec> declaredOptions_;
    std::vector<Value> values_;
};

} // namespace shieldcalc::cli
