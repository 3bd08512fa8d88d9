#include "ControlEndpoint.h"

#include "ControlRequest.h"
#include "Faults.h"

#include <httplib.h>
#include <json/json.h>

namespace cvservice {

ControlEndpoint::ControlEndpoint(Faults& faults, std::string token)
    : m_faults(faults)
    , m_token(std::move(token))
{
}

void ControlEndpoint::install(httplib::Server& server)
{
    server.Get(kPath, [this](const httplib::Request& request, httplib::Response& response) {
        if (controlrequest::fromThisMachine(request, response))
            controlrequest::reply(response, m_faults.toJson());
    });
    server.Post(kPath, [this](const httplib::Request& request, httplib::Response& response) {
        const auto wanted = controlrequest::changeRequest(request, response, m_token);
        if (!wanted)
            return;
        std::string error;
        if (!m_faults.apply(*wanted, error)) {
            controlrequest::refuse(response, 400, error);
            return;
        }
        controlrequest::reply(response, m_faults.toJson());
    });
}

} // namespace cvservice
