// What a monitor client sends, cut into objects as the monitor server does and read
// as requests; their signature and time stamp checks take any text.
#include "MonitorRequest.h"

#include "common/JsonObjectSplitter.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    corvana::JsonObjectSplitter splitter;
    splitter.append(std::string_view(reinterpret_cast<const char*>(data), size));
    while (const auto object = splitter.next()) {
        if (const auto request = cvservice::MonitorRequest::parse(*object)) {
            request->signedWith("123456");
            request->stampedWithin(300, std::time(nullptr));
        }
    }
    return 0;
}
