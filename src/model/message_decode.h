// A logged message's parameters as a short text: positions and keys of mouse messages, key
// names, sizes, command ids and notify codes, show and activation states, hit-test codes, style
// changes by name, and what a pointer parameter pointed at when the hook could read it.
#pragma once

#include "model/message_names.h"
#include "model/message_ring.h"

#include <string>

namespace vantry {

struct DecodeContext {
    ControlClass control = ControlClass::None; // the window that got the message
    ControlClass sender = ControlClass::None;  // the control of WM_COMMAND and WM_NOTIFY
};

// For a returned record, what the result means where it means more than its number.
std::string DecodeMessage(const ring::RawRecord& record, const DecodeContext& context);

// A record's text data in UTF-8 (empty when it holds none).
std::string RecordText(const ring::RawRecord& record);

} // namespace vantry
