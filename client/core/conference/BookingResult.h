#pragma once

#include "core/conference/ConferenceJobs.h"

#include <QString>

#include <string>

// What a booking or a change of a booking came to.
namespace bookingResult {

// A new booking's result: its conference id (ten characters or more), else an error
// code. A change's result: a code, 0 for done. A change answered with nothing is not
// taken for done.
ConferenceReply read(const std::string& resultText, bool change);

// The words for a booking or a change the service took.
QString successText(bool change);

} // namespace bookingResult
