#pragma once

#include <string>

// What the replaced transport answers to every request of the operation fuzzer.
struct CannedReply {
    bool exchangeFails = false;
    std::string body;
};

CannedReply& cannedReply();
