// The shielding engine in one include: the material registry, the field
// tables, the formulas, the four computations and the causes of their faults,
// their reference models, the box with a slot, validity advice and frequency
// sweeps, the result text and the number parser. Everything here is a pure function of its
// arguments; nothing reads or writes any state.
#pragma once

#include "core/advice.h"
#include "core/aperture.h"
#include "core/box_slot.h"
#include "core/double_layer.h"
#include "core/enclosure.h"
#include "core/fault.h"
#include "core/fault_cause.h"
#include "core/fields.h"
#include "core/inputs.h"
#include "core/materials.h"
#include "core/number_text.h"
#include "core/reference.h"
#include "core/result_text.h"
#include "core/sheet.h"
#include "core/sweep.h"
