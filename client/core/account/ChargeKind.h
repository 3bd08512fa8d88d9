#pragma once

// Which charges a bill query lists; the numbers are the bill window's modes.
enum class ChargeKind { Conference = 0, Sms = 1 };
