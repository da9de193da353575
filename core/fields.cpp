#include "core/fields.h"

namespace shieldcalc {

bool groupApplies(Needed needed, SourceChoice source, ListIndex shape) {
    switch (needed) {
    case Needed::Always:
        return true;
    case Needed::NearField:
        return source != FieldSource::PlaneWave;
    case Needed::CircularHole:
        return shape == static_cast<ListIndex>(HoleShape::CircularHole);
    case Needed::RectangularHole:
        return shape == static_cast<ListIndex>(HoleShape::RectangularHole);
    case Needed::Optional:
        return false;
    }
    return false;
}

} // namespace shieldcalc
