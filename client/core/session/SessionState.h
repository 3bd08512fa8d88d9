#pragma once

#include "core/addressbook/AddressBook.h"
#include "core/conference/ConferenceList.h"
#include "core/session/MemberProfile.h"
#include "core/session/SavedAccountTable.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Who is signed in and what the service last reported. The program builds one and
// hands it to every window that needs it. Only the GUI thread reads or writes it:
// workers hand their results over in posted events and the GUI thread swaps them in.
// Texts are UTF-8 and bounded to the widths the service exchange allows.
class SessionState {
public:
    static constexpr std::size_t kAccountBytes = 20;
    static constexpr std::size_t kPasswordBytes = 15;
    static constexpr std::size_t kIpAddressBytes = 34;
    static constexpr std::size_t kBalanceBytes = 11;
    static constexpr const char* kSignInIpAddress = "192.168.1.1";
    static constexpr int kNotSignedIn = -1;
    static constexpr int kSignedIn = 0;

    SessionState();
    virtual ~SessionState();
    SessionState(const SessionState&) = delete;
    SessionState& operator=(const SessionState&) = delete;

    SavedAccountTable& savedAccounts() { return m_savedAccounts; }
    const SavedAccountTable& savedAccounts() const { return m_savedAccounts; }

    // The signed-in account and password, cut to their widths; set when an attempt
    // starts, which begins a new session generation.
    const std::string& regphoneid() const { return m_regphoneid; }
    const std::string& password() const { return m_password; }
    void setCredentials(std::string_view account, std::string_view password);
    const std::string& ipAddress() const { return m_ipAddress; }
    void setIpAddress(std::string_view ipAddress);

    // -1 not signed in (or an attempt runs), 0 signed in, >0 the service's refusal code.
    int signInResult() const { return m_signInResult; }
    void setSignInResult(int result) { m_signInResult = result; }
    bool isSignedIn() const { return m_signInResult == kSignedIn; }

    // Changes with every sign-in attempt and sign-out, so that a reply to a call made
    // for an earlier session can be told apart and dropped.
    std::uint64_t generation() const { return m_generation; }
    // Sign-out ("更改用户"): not signed in, a new generation, the service's data gone.
    void endSession();

    MemberProfile& memberProfile() { return m_memberProfile; }
    const MemberProfile& memberProfile() const { return m_memberProfile; }

    const std::string& balance() const { return m_balance; }
    const std::string& expiry() const { return m_expiry; }
    int balanceResult() const { return m_balanceResult; }
    // Stores a GetClientBalance outcome: the texts only when it succeeded (a failure
    // keeps the last balance shown), the status always.
    void setBalance(int status, std::string_view balance, std::string_view expiry);

    ConferenceList& runningConferences() { return m_running; }
    const ConferenceList& runningConferences() const { return m_running; }
    ConferenceList& bookedConferences() { return m_booked; }
    const ConferenceList& bookedConferences() const { return m_booked; }

    AddressBook& addressBook() { return m_addressBook; }
    const AddressBook& addressBook() const { return m_addressBook; }

    // Drops what the service reported (profile, balance, lists, address book) for a new
    // sign-in; the saved accounts stay.
    void clearServiceData();

private:
    SavedAccountTable m_savedAccounts;
    std::string m_regphoneid;
    std::string m_password;
    std::string m_ipAddress;
    int m_signInResult = kNotSignedIn;
    std::uint64_t m_generation = 0;
    MemberProfile m_memberProfile;
    std::string m_balance;
    std::string m_expiry;
    int m_balanceResult = 0;
    ConferenceList m_running;
    ConferenceList m_booked;
    AddressBook m_addressBook;
};
