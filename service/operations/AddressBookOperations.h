#pragma once

#include "store/GroupRepository.h"

#include <string>

namespace cvservice {

class OperationTable;
struct ServiceContext;
struct SoapRequest;

// Contacts, contact groups, conference groups and their members.
class AddressBookOperations {
public:
    static constexpr std::int64_t kMaxGroups = 100;

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
