#pragma once

#include "ServiceFaults.h"

// One switch of a cvservice child's monitor fault injection ("drop", …), as its
// control page takes it. Returns whether the service took it.
inline bool setMonitorFault(const ServiceProcess& service, const char* name, bool on)
{
    return setServiceFaults(service, QByteArray("\"monitor\":{\"") + name + "\":" + (on ? "true" : "false") + "}");
}
