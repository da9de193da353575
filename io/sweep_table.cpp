#include "io/sweep_table.h"

namespace shieldcalc::io {

JsonObject sweepJson(const SweepGrid& grid) {
    return JsonObject()
        .addNumber("start", shortestText(grid.start))
        .addNumber("stop", shortestText(grid.stop))
        .addNumber("points", std::to_string(grid.points))
        .addString("spacing", grid.spacing == Spacing::Linear ? "linear" : "log");
}

} // namespace shieldcalc::io
