// The options file as the login window loads it, from any bytes; then a sign-in
// saves it and the next login window must find the account that signed in first.
#include "ScratchFile.h"

#include "core/session/LoginPrefill.h"
#include "core/session/OptionsFile.h"
#include "core/session/SavedAccountTable.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Accounts are phone numbers and passwords what a password box takes: the typed
// texts the table records are not the hostile part here, the file is.
std::string typedText(FuzzedDataProvider& input, const char* alphabet, std::size_t alphabetSize)
{
    std::string text(input.ConsumeIntegralInRange<std::size_t>(1, 20), '0');
    for (char& c : text)
        c = alphabet[input.ConsumeIntegralInRange<std::size_t>(0, alphabetSize - 1)];
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ScratchFile file(".dat");
    FuzzedDataProvider input(data, size);
    static constexpr char kDigits[] = "0123456789";
    static constexpr char kPasswordCharacters[] = "0123456789abcXYZ_!#";
    const std::string account = typedText(input, kDigits, sizeof kDigits - 1);
    const std::string password = typedText(input, kPasswordCharacters, sizeof kPasswordCharacters - 1);
    const bool changeUser = input.ConsumeBool();
    const bool remember = input.ConsumeBool();
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const OptionsFile options(QString::fromStdString(
        file.write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())));
    SavedAccountTable table;
    const LoginPrefill prefill = options.load(table, changeUser);
    if (prefill.selectedAccount < -1 || prefill.selectedAccount >= static_cast<int>(prefill.accounts.size())
        || table.count() > SavedAccountTable::kCapacity)
        std::abort();

    table.recordAttempt(account, password, remember, false);
    if (!options.save(table, account))
        return 0;
    SavedAccountTable reread;
    const LoginPrefill next = options.load(reread, true);
    if (next.accounts.empty() || next.accounts.front() != account)
        std::abort();
    return 0;
}
