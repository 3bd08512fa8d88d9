#pragma once

#include "store/GroupRepository.h"

#include <cstddef>
#include <string>

namespace cvservice {

class OperationTable;
struct ServiceContext;
struct SoapRequest;

// Contacts, contact groups, conference groups and their members.
class AddressBookOperations {
public:
    static constexpr std::int64_t kMaxGroups = 100; // of each kind, per account
    static constexpr std::size_t kMaxNameLength = 50; // characters, of contacts and groups
    static constexpr std::size_t kMaxEmailLength = 100; // bytes

    explicit AddressBookOperations(ServiceContext& context);
    void install(OperationTable& table);

private:
    std::string changeContact(const SoapRequest& request);
    std::string contacts(const SoapRequest& request);
    std::string changeGroup(const SoapRequest& request, GroupRepository& groups);
    std::string groups(
        const SoapRequest& request, GroupRepository& groups, const char* idColumn, const char* nameColumn);
    std::string members(const SoapRequest& request, GroupRepository& groups);
    std::string changeMember(const SoapRequest& request, GroupRepository& groups, GroupKind kind);
    std::string notInAny(const SoapRequest& request, GroupRepository& groups);

    ServiceContext& m_context;
};

} // namespace cvservice
