#include "DownloadList.h"

std::vector<std::string> DownloadList::split(const std::string& text)
{
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    for (auto end = text.find(';'); end != std::string::npos; end = text.find(';', start)) {
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (start < text.size())
        pieces.push_back(text.substr(start));
    return pieces;
}

std::string DownloadList::localName(const std::string& url)
{
    const auto slash = url.rfind('/');
    return slash == std::string::npos ? url : url.substr(slash + 1);
}

bool DownloadList::isSafeLocalName(const std::string& name)
{
    // The list comes from the network; a name must never reach outside our folder.
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find('/') == std::string::npos && name.find('\\') == std::string::npos
        && name.find('\0') == std::string::npos;
}
