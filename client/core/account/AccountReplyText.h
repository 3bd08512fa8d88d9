#pragma once

#include "core/account/AccountListReply.h"

class CCvService;

// Turns what an account list operation left into the reply: the result text in
// UTF-8, and for a refusal the service's words for its code.
void completeAccountReply(CCvService& service, int status, AccountListReply& reply);
