#pragma once

// Template 104: the instrument window with its three tools side by side,
// cold-junction compensation, transmitter signals and gas flow at reference
// conditions.

#include "framework/dialog_template.h"
#include "res/instrument_ids.h"

namespace velmaro::res {

extern const fw::DialogTemplate kInstrumentDialogTemplate;

} // namespace velmaro::res
