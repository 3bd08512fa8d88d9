#pragma once

#include "core/addressbook/ContactRecord.h"
#include "core/addressbook/PanelMode.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class AddressBook;
class CCvService;
struct Credentials;

// The address book's three loads as plain jobs: what the service answers, decoded
// into replies that a worker owns, and the rules by which a reply replaces the
// session's copy. The client runs them through ServiceCall; cvctl calls them
// directly. Nothing here knows Qt.

// One list of records as a query brought it back: all contacts, one group's
// members, or the ungrouped contacts.
struct RecordList {
    // False when the exchange failed: the book keeps its list and count.
    bool answered = false;
    // The count the book stores: what the service reported, bounded by the records
    // that arrived (a count with an empty text is none).
    int count = 0;
    // Set when rows arrived. Without them the book keeps its records and only the
    // count drops.
    std::optional<std::vector<ContactRecord>> records;
};

struct GroupReply {
    int id = 0;
    std::string name;
    RecordList members;
};

struct GroupsReply {
    // False when the group list's exchange failed: the book keeps its table and count.
    bool answered = false;
    // The groups in use, in service order: no more than the service reported, the
    // rows that arrived, and the table's slots.
    std::vector<GroupReply> groups;
    RecordList ungrouped; // contact groups only
};

// Rows of contacts: clientno, addressno, addressname, phone, sex, email,
// addressgroupid, addressgroupname. At most limit records; a short row leaves the
// missing fields as a new record has them.
std::vector<ContactRecord> decodeContacts(const std::string& text, int limit);
// Rows of members (and of the ungrouped list): addressno, addressname, phone.
std::vector<ContactRecord> decodeMembers(const std::string& text, int limit);

// A list operation's answer (its status, reported count and result text) as a reply.
RecordList contactList(int status, int reportedCount, const std::string& text);
RecordList memberList(int status, int reportedCount, const std::string& text);

// A group list's answer as a reply. membersOf loads the members of each group that
// is kept, given the group id exactly as the text carries it; groups beyond what is
// kept cost no call.
using MemberQuery = std::function<RecordList(const std::string& groupId)>;
GroupsReply groupList(int status, int reportedCount, const std::string& text, const MemberQuery& membersOf);

RecordList queryContacts(CCvService& service, const Credentials& who);
// The contact groups with their members, and the ungrouped contacts.
GroupsReply queryContactGroups(CCvService& service, const Credentials& who);
GroupsReply queryConferenceGroups(CCvService& service, const Credentials& who);

// Replace the book's lists with what arrived, leaving what got no answer.
void storeContacts(AddressBook& book, RecordList reply);
// The table of the mode; for contact groups the ungrouped contacts as well.
void storeGroups(AddressBook& book, PanelMode mode, GroupsReply reply);
