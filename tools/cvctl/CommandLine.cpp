#include "CommandLine.h"

#include "DecimalArgument.h"
#include "OperationCatalogue.h"

#include "core/addressbook/ContactFile.h"

#include <strings.h>

namespace cvctl {

namespace {

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string unknownOperation(const std::string& name)
{
    std::string message = "unknown operation " + quoted(name);
    for (const OperationEntry& entry : OperationCatalogue::all())
        if (strcasecmp(entry.name.c_str(), name.c_str()) == 0)
            return message + " (did you mean " + entry.name + "?)";
    return message;
}

std::string wrongCount(const OperationEntry& entry, std::size_t given)
{
    std::string names;
    for (const Parameter& parameter : entry.parameters)
        names += (names.empty() ? "" : " ") + parameter.name;
    return entry.name + " takes " + std::to_string(entry.parameters.size()) + " argument"
        + (entry.parameters.size() == 1 ? "" : "s") + " (" + names + "), " + std::to_string(given) + " given";
}

// Splits "--name=value" and "--name value"; returns false when the value is missing.
bool optionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name, std::string& value)
{
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size())
        return false;
    value = args[++i];
    return true;
}

bool isOption(const std::string& arg, const std::string& name)
{
    return arg == name || arg.rfind(name + "=", 0) == 0;
}

ContactCommand contactCommandNamed(const std::string& name)
{
    if (name == "export-contacts")
        return ContactCommand::Export;
    if (name == "import-contacts")
        return ContactCommand::Import;
    return ContactCommand::None;
}

// The address-book commands: one file, whose ending names its format, and an account.
void parseContactCommand(CommandLine& line, const std::string& name, const std::vector<std::string>& arguments)
{
    if (arguments.size() != 1) {
        line.error = name + " takes 1 argument (FILE), " + std::to_string(arguments.size()) + " given";
        return;
    }
    line.file = arguments.front();
    if (contactFileFormat(line.file) == ContactFileFormat::None) {
        line.error = quoted(line.file) + ": unknown file type (the name must end in .txt, .xls, .xlsx or .csv)";
        return;
    }
    if (!line.user || !line.password)
        line.error = name + " needs --user and --password";
}

} // namespace

CommandLine CommandLine::parse(const std::vector<std::string>& args)
{
    CommandLine line;
    std::size_t i = 0;
    for (; i < args.size() && args[i].rfind("-", 0) == 0; ++i) {
        const std::string& arg = args[i];
        std::string value;
        if (arg == "--help" || arg == "-h") {
            line.help = true;
            return line;
        }
        if (arg == "--fields") {
            line.fields = true;
        } else if (isOption(arg, "--host")) {
            if (!optionValue(args, i, "--host", value) || value.empty()) {
                line.error = "--host needs a host name";
                return line;
            }
            line.host = value;
        } else if (isOption(arg, "--port")) {
            const std::optional<int> port
                = optionValue(args, i, "--port", value) ? parseDecimalInt(value) : std::nullopt;
            if (!port || *port < 1 || *port > 65535) {
                line.error = "--port needs a port number from 1 to 65535";
                return line;
            }
            line.port = *port;
        } else if (isOption(arg, "--user")) {
            if (!optionValue(args, i, "--user", value) || value.empty()) {
                line.error = "--user needs an account";
                return line;
            }
            line.user = value;
        } else if (isOption(arg, "--password")) {
            if (!optionValue(args, i, "--password", value)) {
                line.error = "--password needs a password";
                return line;
            }
            line.password = value;
        } else {
            line.error = "unknown option " + quoted(arg);
            return line;
        }
    }

    if (i == args.size()) {
        line.error = "no operation given";
        return line;
    }
    const std::vector<std::string> arguments(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    line.contactCommand = contactCommandNamed(args[i]);
    if (line.contactCommand != ContactCommand::None) {
        parseContactCommand(line, args[i], arguments);
        return line;
    }
    line.operation = OperationCatalogue::find(args[i]);
    if (!line.operation) {
        line.error = unknownOperation(args[i]);
        return line;
    }
    // An operation names its account among its own arguments.
    if (line.user || line.password) {
        line.error = "--user and --password belong to export-contacts and import-contacts; " + line.operation->name
            + " takes the account as its arguments";
        return line;
    }
    line.arguments = arguments;

    const std::vector<Parameter>& parameters = line.operation->parameters;
    if (line.arguments.size() != parameters.size()) {
        line.error = wrongCount(*line.operation, line.arguments.size());
        return line;
    }
    for (std::size_t k = 0; k < parameters.size(); ++k) {
        if (parameters[k].kind == ArgumentKind::Int && !parseDecimalInt(line.arguments[k])) {
            line.error = parameters[k].name + " must be a decimal integer, not " + quoted(line.arguments[k]);
            return line;
        }
    }
    return line;
}

} // namespace cvctl
