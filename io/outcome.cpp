#include "io/outcome.h"

namespace shieldcalc::io {

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

JsonObject& addOptionalNumber(JsonObject& object, std::string_view key,
                              const std::optional<double>& value) {
    return value ? object.addNumber(key, shortestText(*value)) : object.addNull(key);
}

JsonObject& addGeometry(JsonObject& inputs, const ReferenceGeometry& geometry) {
    return geometry.receiverCm ? inputs.addNumber(kReceiverKey, shortestText(*geometry.receiverCm))
                               : inputs;
}

} // namespace shieldcalc::io
