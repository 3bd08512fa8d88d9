// The reply reader: any bytes as a reply, read by element names and field lists that
// come from the input too, so that deep, repeated and oddly named elements are met.
#include "XmlResponse.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string tag = input.ConsumeRandomLengthString(24);
    const std::string fields = input.ConsumeRandomLengthString(96);
    const int index = input.ConsumeIntegralInRange(0, 3);
    std::string reply = input.ConsumeRemainingBytesAsString();

    cvsrv::CXmlResponse response;
    response.LoadText(reply);
    response.GetNodeText(tag.c_str(), index);
    std::string rows;
    response.GetRows(tag, fields, rows);
    return 0;
}
