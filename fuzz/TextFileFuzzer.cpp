// The address book's text files: any bytes, whose encoding nobody recorded, read line
// by line and as an import file. Lines handed out must be valid UTF-8.
#include "ScratchFile.h"

#include "xls/CStdioFileEx.h"
#include "xls/TextEncoding.h"
#include "core/addressbook/ContactFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ScratchFile file(".txt");
    const std::string& path = file.write(data, size);

    CStdioFileEx reader;
    if (reader.Open(path, CStdioFileEx::modeRead | CStdioFileEx::typeText)) {
        std::string line;
        while (reader.ReadString(line)) {
            if (!xls::isValidUtf8(line))
                std::abort();
        }
        reader.Close();
    }
    for (const ContactFileRow& row : readContactFile(path).rows) {
        if (!xls::isValidUtf8(row.phone) || !xls::isValidUtf8(row.addressname))
            std::abort();
    }
    return 0;
}
