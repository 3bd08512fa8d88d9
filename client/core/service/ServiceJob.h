#pragma once

// What a job works with: the service and the account it calls it as. ServiceCall runs
// jobs on the client's workers; code without Qt (cvctl) calls the same jobs directly.
// Jobs include this rather than the library's header, so that the service stays
// reachable from client/ through this folder alone.
#include "core/service/Credentials.h"

#include "cvsrv/CCvService.h"
