#pragma once

#include <string>

// The result code of a change operation's result text: its first field, read as a
// decimal integer (atoi rules); an empty text gives 0.
int ChangeResult(const std::string& resultText);
