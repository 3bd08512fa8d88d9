#pragma once

#include <string>

namespace cvservice {

class OperationTable;
struct ServiceContext;
struct SoapRequest;

// SMS sending: recipients, blocked keywords, send time, counting and charging (by
// the parts of smsParts, the rule the client shows its count by).
class MessagingOperations {
public:
    static constexpr std::size_t kMaxLength = 250; // characters, signature included
    static constexpr std::size_t kMaxRecipients = 1000;
    static constexpr int kPricePerSms = 10; // hundredths of a yuan

    explicit MessagingOperations(ServiceContext& context);
    void install(OperationTable& table);

private:
    std::string send(const SoapRequest& request);

    ServiceContext& m_context;
};

} // namespace cvservice
