#pragma once

#include "addressbook/AddressBook.h"
#include "app/ConferenceList.h"
#include "app/MemberProfile.h"
#include "app/SavedAccountTable.h"

#include <cstddef>
#include <string>
#include <string_view>

// Who is signed in and what the service last reported. One process-wide instance
// (instance()); tests may build their own. Only the GUI thread reads or writes it:
// workers hand their results over in posted events and the GUI thread swaps them in.
// Texts are UTF-8 and bounded to the widths the service exchange allows.
class SessionState {
public:
    static constexpr std::size_t kAccountBytes = 20;
    static constexpr std::size_t kPasswordBytes = 15;
    static constexpr std::size_t kIpAddressBytes = 34;
    static constexpr std::size_t kBalanceBytes = 11;
    static constexpr const char* kClientVersion = "1008";
    static constexpr const char* kSignInIpAddress = "192.168.1.1";
    static constexpr int kNotSignedIn = -1;
    static constexpr int kSignedIn = 0;

    SessionState();
    virtual ~SessionState();
    SessionState(const SessionState&) = delete;
    SessionState& operator=(const SessionState&) = delete;

    static SessionState& instance();

    SavedAccountTable& savedAccounts() { return m_savedAccounts; }
    const SavedAccountTable& savedAccounts() const { return m_savedAccounts; }

    const std::string& clientVersion() const { return m_clientVersion; }

    // The signed-in account and password, cut to their widths; set when an attempt starts.
    const std::string& regphoneid() const { return m_regphoneid; }
    const std::string& password() const { return m_password; }
    void setCredentials(std::string_view account, std::string_view password);
    const std::string& ipAddress() const { return m_ipAddress; }
    void setIpAddress(std::string_view ipAddress);

    // -1 not signed in (or an attempt runs), 0 signed in, >0 the service's refusal code.
    int signInResult() const { return m_signInResult; }
    void setSignInResult(int result) { m_signInResult = result; }
    bool isSignedIn() const { return m_signInResult == kSignedIn; }

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
    std::string m_clientVersion = kClientVersion;
    std::string m_regphoneid;
    std::string m_password;
    std::string m_ipAddress;
    int m_signInResult = kNotSignedIn;
    MemberProfile m_memberProfile;
    std::string m_balance;
    std::string m_expiry;
    int m_balanceResult = 0;
    ConferenceList m_running;
    ConferenceList m_booked;
    AddressBook m_addressBook;
};
