#include "io/sweep_table.h"

namespace shieldcalc::io {

JsonObject sweepJson(const SweepGrid& grid) {
    return JsonObject()
        .addNumber("start", plainShortestText(grid.start))
        .addNumber("stop", plainShortestText(grid.stop))
        .addNumber("points", std::to_string(grid.points))
        .addString("spacing", grid.spacing == Spacing::Linear ? "linear" : "log");
}

} // namespace shieldcalc::io
