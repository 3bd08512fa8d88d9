#include "OutputFormat.h"

#include "cvsrv/CUtility.h"

namespace cvctl {

namespace {

// Rows and fields as the program's own consumers split result text.
void appendFields(const std::string& text, std::string& out)
{
    const CUtility utility;
    std::vector<std::string> rows;
    utility.Split(text, "\n", &rows);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0)
            out += '\n';
        std::vector<std::string> fields;
        utility.Split(rows[r], "\r", &fields);
        for (const std::string& field : fields)
            out += escapeLine(field) + '\n';
    }
}

} // namespace

std::string escapeLine(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string formatOutcome(const CallOutcome& outcome, bool fields)
{
    std::string out = "status: " + std::to_string(outcome.status) + '\n';
    if (outcome.resultText) {
        if (fields)
            appendFields(*outcome.resultText, out);
        else
            out += escapeLine(*outcome.resultText) + '\n';
    }
    for (const auto& [name, value] : outcome.values)
        out += name + ": " + escapeLine(value) + '\n';
    return out;
}

std::string usageLine()
{
    return "usage: cvctl [--host HOST] [--port PORT] [--fields] OPERATION [ARG...]\n"
           "       cvctl [--host HOST] [--port PORT] --user ACCOUNT --password PASSWORD export-contacts FILE\n"
           "       cvctl [--host HOST] [--port PORT] --user ACCOUNT --password PASSWORD import-contacts FILE\n";
}

std::string helpText(const std::vector<OperationEntry>& operations)
{
    std::string text = usageLine();
    text += "\nCalls one operation of the conference web service and prints its status, its\n"
            "result text (CR as \\r, LF as \\n) and its other out-values.\n\n"
            "  --host HOST   web service host (default: the configured one, CORVANA_WEB_HOST)\n"
            "  --port PORT   web service port (default: the configured one, CORVANA_WEB_PORT)\n"
            "  --fields      print the result text one field per line, rows apart\n"
            "  --user ACCOUNT, --password PASSWORD\n"
            "                the account (registered phone number) and its password, in clear,\n"
            "                for export-contacts and import-contacts\n"
            "  --help        this list\n\n"
            "Address book (signs in first; FILE ends in .txt, .xls, .xlsx or .csv):\n"
            "  export-contacts FILE  writes every contact (phone, addressname); prints \"exported: N\"\n"
            "  import-contacts FILE  adds every record as a new contact; prints \"added: N\" and\n"
            "                        \"refused: N\" (records the service refused or without a name)\n\n"
            "Operations and their arguments, in order (#: a decimal integer):\n";
    for (const OperationEntry& entry : operations) {
        text += "  " + entry.name;
        for (const Parameter& parameter : entry.parameters)
            text += " " + parameter.name + (parameter.kind == ArgumentKind::Int ? "#" : "");
        std::string prints;
        for (const std::string& label : entry.outputs)
            prints += " " + (label == kResultText ? std::string("text") : label);
        if (!prints.empty())
            text += "  ->" + prints;
        text += '\n';
    }
    text += "\nExit status: 0 when the call was made (whatever its status), 2 for a usage error.\n"
            "export-contacts and import-contacts: 0 when done, 1 when the sign-in, the service or\n"
            "the file failed (an import prints its counts first), 2 for a usage error.\n";
    return text;
}

} // namespace cvctl
