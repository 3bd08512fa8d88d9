#pragma once

#define CVSRV_EXPORT __attribute__((visibility("default")))
