#pragma once

#include "core/session/VersionAnswer.h"

class CCvService;
struct Credentials;

// CheckOrUpdatePCClientVersion with our own version, for the signed-in account.
// A ServiceCall job.
VersionAnswer checkClientVersion(CCvService& service, const Credentials& who);
