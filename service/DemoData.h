#pragma once

namespace cvservice {

class AccountRepository;
class ChargeRepository;
class ConferenceRepository;
class ContactRepository;
class Database;
class GroupRepository;

// The demo accounts and their history: "13800138000" / "123456" with an address
// book, past and booked conferences, charges, recordings and SMS charges, and
// "13900139000" / "654321" to transfer money to. Seeds only an empty store.
class DemoData {
public:
    static constexpr const char* kAccount = "13800138000";
    static constexpr const char* kPassword = "123456";
    static constexpr const char* kSecondAccount = "13900139000";
    static constexpr const char* kSecondPassword = "654321";

    DemoData(Database& db, AccountRepository& accounts, ContactRepository& contacts, GroupRepository& contactGroups,
        GroupRepository& confGroups, ConferenceRepository& conferences, ChargeRepository& charges);

    // true when the store was empty and now holds the demo data.
    bool seedIfEmpty();

private:
    void seedAccounts();
    void seedAddressBook();
    void seedConferences();
    void seedMessages();

    Database& m_db;
    AccountRepository& m_accounts;
    ContactRepository& m_contacts;
    GroupRepository& m_contactGroups;
    GroupRepository& m_confGroups;
    ConferenceRepository& m_conferences;
    ChargeRepository& m_charges;
};

} // namespace cvservice
