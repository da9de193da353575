#include "cli/sweep.h"

#include "core/message_text.h"
#include "io/json.h"

#include <charconv>
#include <optional>
#include <string>

namespace shieldcalc::cli {

namespace {

constexpr std::string_view kSweepForm = "START:STOP[:N]";

[[noreturn]] void rejectSweep(std::string_view why) {
    throw UsageError(std::string(kSweepOption.name) + ": " + std::string(why));
}

// A typed number's value in double precision, where it is in the C form.
std::optional<double> typedValue(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? std::optional(value)
                                                                    : std::nullopt;
}

} // namespace

SweepGrid readSweepGrid(std::string_view text, bool linear) {
    const std::size_t first = text.find(':');
    if (first == std::string_view::npos) {
        rejectSweep("'" + textForMessage(text) + "' is not " + std::string(kSweepForm));
    }
    const std::string_view rest = text.substr(first + 1);
    const std::size_t second = rest.find(':');
    const std::string name = std::string(kSweepOption.name);
    SweepGrid grid;
    grid.start = readNumber(name + " START", text.substr(0, first));
    grid.stop = readNumber(name + " STOP", rest.substr(0, second));
    grid.spacing = linear ? Spacing::Linear : Spacing::Logarithmic;
    if (second != std::string_view::npos) {
        const std::string_view count = rest.substr(second + 1);
        const auto [end, error] =
            std::from_chars(count.data(), count.data() + count.size(), grid.points);
        if (error != std::errc() || end != count.data() + count.size()) {
            rejectSweep("N: '" + textForMessage(count) + "' is not a whole number from " +
                        std::to_string(kMinSweepPoints) + " to " + std::to_string(kMaxSweepPoints));
        }
    }
    try {
        checkSweepGrid(grid);
    } catch (const SweepGridError& error) {
        // Typed values that single precision cannot tell apart, or that it
        // rounds to 0, are told as such.
        const std::optional<double> start = typedValue(text.substr(0, first));
        const std::optional<double> stop = typedValue(rest.substr(0, second));
        if (error.reason() == SweepGridError::Reason::StartNotBelowStop && start && stop &&
            *start < *stop && grid.start == grid.stop) {
            rejectSweep("START and STOP round to the same single-precision value (" +
                        io::shortestText(grid.start) + ")");
        }
        if (error.reason() == SweepGridError::Reason::StartNotPositive && start && *start > 0) {
            rejectSweep("START rounds to 0 in single precision, and a logarithmic sweep must "
                        "start above 0");
        }
        rejectSweep(error.what());
    }
    return grid;
}

} // namespace shieldcalc::cli
