#pragma once

#include "core/conference/MonitorMessage.h"

#include <string_view>

// One whole JSON object from the monitor server -> a typed message.
class MonitorMessageDecoder {
public:
    // A "monitor" message whose conferencestate is not an integer number is ignored:
    // guessing a state could end the live view of a conference that still runs.
    // Texts that are missing or not strings read as empty, except a "monitor" message's
    // phonelist, which must be a string (or absent) for the message to count.
    static MonitorMessage decode(std::string_view object);
};
