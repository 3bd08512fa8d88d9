// cvctl: calls any web-service operation from a shell, and exports or imports an
// account's contacts.
#include "CommandLine.h"
#include "ContactCommands.h"
#include "OperationCatalogue.h"
#include "OutputFormat.h"

#include "core/service/ServiceJob.h"

#include <iostream>

int main(int argc, char** argv)
{
    using namespace cvctl;
    const CommandLine line = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (line.help) {
        std::cout << helpText(OperationCatalogue::all());
        return 0;
    }
    if (!line.valid()) {
        std::cerr << "cvctl: " << line.error << '\n' << usageLine() << "Try 'cvctl --help' for the operations.\n";
        return 2;
    }

    cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
    if (line.host)
        config.webHost = *line.host;
    if (line.port)
        config.webPort = *line.port;
    CCvService service(config);
    if (line.contactCommand != ContactCommand::None) {
        const Credentials who { *line.user, *line.password };
        return line.contactCommand == ContactCommand::Export
            ? exportContacts(service, who, line.file, std::cout, std::cerr)
            : importContacts(service, who, line.file, std::cout, std::cerr);
    }
    std::cout << formatOutcome(line.operation->invoke(service, line.arguments), line.fields) << std::flush;
    return 0;
}
