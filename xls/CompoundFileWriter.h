#pragma once

#include <string>
#include <vector>

namespace xls {

// An OLE2 compound file (version 3, 512-byte sectors) holding named streams in its
// root storage: the container of Excel 97-2003 workbooks. Streams under 4,096 bytes
// live in the mini stream, as the format requires; the allocation table grows
// through DIFAT sectors once it needs more than the header's 109 entries (from
// about 7 MB of streams).
class CompoundFileWriter {
public:
    // Names are at most 31 characters; streams are below 4 GB.
    void addStream(std::u16string name, std::string bytes);
    std::string build() const;

private:
    struct Stream {
        std::u16string name;
        std::string bytes;
    };
    std::vector<Stream> m_streams;
};

} // namespace xls
