#include "cli/sweep.h"

#include "core/message_text.h"

#include <charconv>
#include <cmath>

namespace shieldcalc::cli {

namespace {

constexpr std::string_view kSweepForm = "START:STOP[:N]";

[[noreturn]] void rejectSweep(std::string_view why) {
    throw UsageError(std::string(kSweepOption.name) + ": " + std::string(why));
}

// A number of an advice text: five significant digits.
std::string approx(double value) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 5).ptr;
    return std::string(buffer, end);
}

} // namespace

std::string_view sweepStart(std::string_view text) {
    return text.substr(0, text.find(':'));
}

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

std::string adviceText(const Advice& item) {
    const auto& v = item.values;
    std::string text = item.severity == Severity::Warning ? "warning: " : "note: ";
    switch (item.code) {
    case AdviceCode::NegativeSE:
        return text + "the SE is below 0 dB (" + approx(v[0]) +
               " dB): the formula is outside its range";
    case AdviceCode::ReferenceDiffers:
        return text + "the handbook formula is " + approx(std::fabs(v[2])) + " dB " +
               (v[2] > 0 ? "above" : "below") + " the reference model";
    case AdviceCode::FarFromSource:
        return text + "the source is farther than lambda/2pi (" + approx(v[0]) + " cm > " +
               approx(v[1]) + " cm): the plane wave applies there";
    case AdviceCode::LowAbsorption:
        return text + "a magnetic source and only " + approx(v[0]) +
               " dB of absorption: the reflection loss is optimistic";
    case AdviceCode::HoleNotSmall:
        return text + "the hole (" + approx(v[0]) + " cm) is a quarter wavelength (" +
               approx(v[1]) + " cm) or more";
    case AdviceCode::NearHoleCutoff:
        return text + "the frequency (" + approx(v[0]) +
               " kHz) is above half the hole's waveguide cut-off (" + approx(v[1]) + " kHz)";
    case AdviceCode::BeyondMeasurement:
        return text + "an SE above 120 dB (" + approx(v[0]) +
               " dB) is beyond what measurement confirms; seams and openings dominate real "
               "shields";
    case AdviceCode::IronPermeabilityFixed:
        return text + "iron's relative permeability is fixed at " + approx(v[0]) +
               " in this band: it does not depend on the field strength and does not saturate";
    case AdviceCode::BoxOpeningsIgnored:
        return text + "the closed-box model ignores openings and seams";
    }
    return text;
}

std::vector<JsonObject> adviceJson(std::span<const Advice> advice) {
    std::vector<JsonObject> items;
    for (const Advice& item : advice) {
        const AdviceInfo& info = adviceInfo(item.code);
        JsonObject& object = items.emplace_back();
        object.addString("code", info.key)
            .addString("severity", item.severity == Severity::Warning ? "warning" : "note");
        for (std::size_t i = 0; i < info.valueNames.size() && !info.valueNames[i].empty(); ++i) {
            object.addNumber(info.valueNames[i], shortestText(item.values[i]));
        }
    }
    return items;
}

std::string adviceCodes(std::span<const Advice> advice) {
    std::string codes;
    for (const Advice& item : advice) {
        if (!codes.empty()) {
            codes += ';';
        }
        codes += adviceInfo(item.code).key;
    }
    return codes;
}

JsonObject& addOptionalNumber(JsonObject& object, std::string_view key,
                              const std::optional<double>& value) {
    return value ? object.addNumber(key, shortestText(*value)) : object.addNull(key);
}

JsonObject sweepJson(const SweepGrid& grid) {
    return JsonObject()
        .addNumber("start", shortestText(grid.start))
        .addNumber("stop", shortestText(grid.stop))
        .addNumber("points", std::to_string(grid.points))
        .addString("spacing", grid.spacing == Spacing::Linear ? "linear" : "log");
}

} // namespace shieldcalc::cli
