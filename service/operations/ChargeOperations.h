#pragma once

#include "FilterParser.h"

#include <string>

namespace cvservice {

class OperationTable;
struct ServiceContext;
struct SoapRequest;

// Conference charges, SMS charges and recordings, each for a caller-built filter.
class ChargeOperations {
public:
    explicit ChargeOperations(ServiceContext& context);
    void install(OperationTable& table);

private:
    std::string conferenceCharges(const SoapRequest& request);
    std::string recordings(const SoapRequest& request);
    std::string smsCharges(const SoapRequest& request);

    // Parses the filter and checks that it asks only about the caller's own records.
    int readFilter(const FilterParser& parser, const std::string& text, const std::string& owner,
        std::vector<FilterCondition>& conditions) const;

    ServiceContext& m_context;
    FilterParser m_conferenceFilter;
    FilterParser m_smsFilter;
};

} // namespace cvservice
