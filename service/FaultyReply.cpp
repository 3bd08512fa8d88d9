#include "FaultyReply.h"

#include "ConnectionDropper.h"
#include "SoapReply.h"

#include <httplib.h>

#include <chrono>
#include <memory>
#include <thread>

namespace cvservice {

namespace {

constexpr const char* kContentType = "text/xml; charset=utf-8";

} // namespace

bool answerWithFault(const HttpFaults& faults, const httplib::Request& request, httplib::Response& response)
{
    if (faults.delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(faults.delayMs));

    switch (faults.reply) {
    case HttpFaults::Reply::Normal:
        return false;
    case HttpFaults::Reply::Drop:
        ConnectionDropper::drop(request.local_port, request.remote_addr, request.remote_port);
        return true;
    case HttpFaults::Reply::ServerError:
        response.status = 500;
        response.set_content(SoapReply::fault("soap:Server", "Server was unable to process request."), kContentType);
        return true;
    case HttpFaults::Reply::Malformed:
        response.set_content("<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope xmlns:soap=\"", kContentType);
        return true;
    case HttpFaults::Reply::Chunked: {
        auto body = std::make_shared<std::string>(SoapReply::fault("soap:Server", "chunked on purpose"));
        response.set_chunked_content_provider(kContentType, [body](std::size_t offset, httplib::DataSink& sink) {
            if (offset < body->size())
                sink.write(body->data() + offset, body->size() - offset);
            else
                sink.done();
            return true;
        });
        return true;
    }
    case HttpFaults::Reply::Truncated: {
        // Promise a whole reply, send half of it, then close the connection.
        auto body = std::make_shared<std::string>(SoapReply::fault("soap:Server", "truncated on purpose"));
        response.set_content_provider(
            body->size(), kContentType, [body](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                if (offset == 0)
                    sink.write(body->data(), body->size() / 2);
                return false;
            });
        return true;
    }
    }
    return false;
}

} // namespace cvservice
