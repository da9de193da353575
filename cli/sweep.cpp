#include "cli/sweep.h"

#include "core/message_text.h"

#include <charconv>
#include <string>

namespace shieldcalc::cli {

namespace {

constexpr std::string_view kSweepForm = "START:STOP[:N]";

[[noreturn]] void rejectSweep(std::string_view why) {
    throw UsageError(std::string(kSweepOption.name) + ": " + std::string(why));
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
        rejectSweep(error.what());
    }
    return grid;
}

} // namespace shieldcalc::cli
