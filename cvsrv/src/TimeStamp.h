#pragma once

#include <ctime>

namespace cvsrv {

// YYYYMMDDhhmmss of the given local time into buffer (at least 15 bytes).
void formatTimeStamp(const std::tm& local, char* buffer);

} // namespace cvsrv
