#pragma once

#include <string>
#include <vector>

// The updater's command line: ";"-separated download URLs, each naming one file.
class DownloadList {
public:
    // Splits at ";" the way the service library splits result text: empty pieces in
    // the middle are kept, a trailing empty piece is dropped.
    static std::vector<std::string> split(const std::string& text);

    // The file a URL is saved as: the part after its last "/" (the whole URL without one).
    static std::string localName(const std::string& url);

    // Whether a local name stays inside the program folder: not empty, not "." or "..",
    // no path separator.
    static bool isSafeLocalName(const std::string& name);
};
