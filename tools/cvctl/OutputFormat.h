#pragma once

#include "OperationEntry.h"

#include <string>
#include <vector>

namespace cvctl {

// Keeps a value on one line: CR as \r, LF as \n, and a backslash as \\ so that
// the two escapes cannot be confused with text that contains them literally.
std::string escapeLine(const std::string& text);

// "status: N", then the result text (escaped on one line, or with fields set one
// field per line and an empty line between rows), then "NAME: VALUE" lines.
std::string formatOutcome(const CallOutcome& outcome, bool fields);

std::string usageLine();
std::string helpText(const std::vector<OperationEntry>& operations);

} // namespace cvctl
