#pragma once

#include "core/account/ChargeKind.h"

#include <string>

// What a bill or recording query came to. status is the operation's: 0 after a
// good exchange, the service's code for a refusal (message holds its words), below
// 0 when the exchange failed. The result text is UTF-8.
struct AccountListReply {
    ChargeKind kind = ChargeKind::Conference; // bills only
    int status = -1;
    std::string message;
    std::string resultText;
    int rows = 0;

    bool exchangeFailed() const { return status < 0; }
    // Rows to list: a good exchange with a result and a count above 0.
    bool hasRows() const { return status == 0 && !resultText.empty() && rows > 0; }
};
