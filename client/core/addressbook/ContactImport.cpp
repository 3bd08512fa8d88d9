#include "core/addressbook/ContactImport.h"

#include "core/addressbook/ChangeResult.h"
#include "core/service/ServiceJob.h"

namespace {

constexpr int kMale = 1;
constexpr int kAddFlag = 0;

} // namespace

ContactImportCounts importContactRows(CCvService& service, const Credentials& who,
    const std::vector<ContactFileRow>& rows, const ContactImportStep& beforeRow)
{
    ContactImportCounts counts;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (beforeRow && !beforeRow(i))
            break;
        const ContactFileRow& row = rows[i];
        if (!row.complete) {
            ++counts.refused;
            continue;
        }
        std::string result;
        const int status = service.ClientAddressNew(who.account.c_str(), who.password.c_str(), 0, kMale,
            row.addressname.c_str(), row.phone.c_str(), "", kAddFlag, result);
        // No answer carries no result code: an empty text must not read as an addition,
        // whether the exchange failed or brought something that is not an answer.
        if (status != 0 || result.empty()) {
            ++counts.refused;
            ++counts.unanswered;
        } else if (ChangeResult(result) == 0) {
            ++counts.added;
        } else {
            ++counts.refused;
        }
    }
    return counts;
}
