#include "ContactCommands.h"

#include "core/addressbook/AddressBookQueries.h"
#include "core/addressbook/ContactFile.h"
#include "core/addressbook/ContactImport.h"
#include "core/service/ServiceJob.h"

#include <fstream>
#include <ostream>

namespace cvctl {

namespace {

// The address the client signs in with, so that a sign-in from here leaves the
// account as the client's would.
constexpr const char* kSignInAddress = "192.168.1.1";

// A list the service is asked for with a wrong password comes back empty, not
// refused: without a sign-in first, a wrong password would export an empty file.
bool signIn(CCvService& service, const Credentials& who, std::ostream& err)
{
    const int status = service.UserClientLogin(who.account.c_str(), who.password.c_str(), kSignInAddress);
    if (status == 0)
        return true;
    // The service's own text for the code; when even that gets no answer, the
    // service is out of reach.
    std::string text;
    std::string utf8;
    if (service.GetSysMsgInfo(status, text) == 0)
        CUtility().ConvertUTF8(text.c_str(), utf8);
    err << "cvctl: sign-in as " << who.account << " failed (status " << status
        << "): " << (utf8.empty() ? "no answer from the service" : utf8) << '\n';
    return false;
}

} // namespace

int exportContacts(
    CCvService& service, const Credentials& who, const std::string& path, std::ostream& out, std::ostream& err)
{
    if (!signIn(service, who, err))
        return kCommandFailed;
    RecordList contacts = queryContacts(service, who);
    if (!contacts.answered) {
        err << "cvctl: the service did not answer the contact list\n";
        return kCommandFailed;
    }
    std::vector<ContactRecord> records;
    if (contacts.records) {
        records = std::move(*contacts.records);
        records.resize(static_cast<std::size_t>(contacts.count));
    }
    const std::string error = writeContactFile(path, records);
    if (!error.empty()) {
        err << "cvctl: " << error << '\n';
        return kCommandFailed;
    }
    out << "exported: " << records.size() << '\n';
    return kCommandDone;
}

int importContacts(
    CCvService& service, const Credentials& who, const std::string& path, std::ostream& out, std::ostream& err)
{
    if (!signIn(service, who, err))
        return kCommandFailed;
    ContactFileRows file = readContactFile(path);
    // The client reads a text file it cannot open as one without lines; here that
    // would report an import that never happened as done.
    if (contactFileFormat(path) == ContactFileFormat::Txt && !std::ifstream(path)) {
        file.readFailed = true;
        file.error = path + ": cannot be opened";
    }
    const ContactImportCounts counts = importContactRows(service, who, file.rows);
    out << "added: " << counts.added << "\nrefused: " << counts.refused << '\n';
    int result = kCommandDone;
    if (file.readFailed) {
        err << "cvctl: " << (file.error.empty() ? path + ": cannot be read" : file.error) << '\n';
        result = kCommandFailed;
    }
    if (counts.unanswered > 0) {
        err << "cvctl: the service did not answer " << counts.unanswered << " of the records (counted as refused)\n";
        result = kCommandFailed;
    }
    return result;
}

} // namespace cvctl
