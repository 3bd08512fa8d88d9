#include "ForeignReader.h"

#include <algorithm>
#include <cstdio>
#include <sys/wait.h>

namespace xls::test {

namespace {

std::string quoted(const std::string& argument)
{
    std::string out = "'";
    for (char c : argument) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

SheetRows split(const std::string& output)
{
    SheetRows rows;
    std::size_t start = 0;
    while (start < output.size()) {
        const std::size_t end = output.find('\x1e', start);
        if (end == std::string::npos)
            break;
        SheetRow row;
        std::size_t cellStart = start;
        for (;;) {
            const std::size_t sep = output.find('\x1f', cellStart);
            if (sep == std::string::npos || sep > end) {
                row.push_back(output.substr(cellStart, end - cellStart));
                break;
            }
            row.push_back(output.substr(cellStart, sep - cellStart));
            cellStart = sep + 1;
        }
        rows.push_back(std::move(row));
        start = end + 1;
    }
    return rows;
}

} // namespace

ForeignReader::Result ForeignReader::run(const std::vector<std::string>& arguments)
{
    std::string command = "/usr/bin/python3 " + quoted(XLS_FOREIGN_READER);
    for (const std::string& argument : arguments)
        command += " " + quoted(argument);
    Result result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.rows = split(result.output);
    return result;
}

ForeignReader::Result ForeignReader::xlrd(const std::string& path, const std::string& sheet)
{
    return run({ "xlrd", path, sheet });
}

ForeignReader::Result ForeignReader::openpyxl(const std::string& path, const std::string& sheet)
{
    return run({ "openpyxl", path, sheet });
}

ForeignReader::Result ForeignReader::csv(const std::string& path)
{
    return run({ "csv", path });
}

ForeignReader::Result ForeignReader::compdoc(const std::string& path, const std::vector<std::string>& pairs)
{
    std::vector<std::string> arguments { "compdoc", path };
    arguments.insert(arguments.end(), pairs.begin(), pairs.end());
    return run(arguments);
}

SheetRows padded(SheetRows rows)
{
    std::size_t width = 0;
    for (const SheetRow& row : rows)
        width = std::max(width, row.size());
    for (SheetRow& row : rows)
        row.resize(width);
    return rows;
}

} // namespace xls::test
