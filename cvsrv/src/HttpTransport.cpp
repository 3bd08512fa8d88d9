#include "HttpTransport.h"

#include <curl/curl.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <strings.h>

namespace cvsrv {

namespace {

struct Exchange {
    std::string* body = nullptr;
    std::size_t capacity = 0;
    const std::atomic<bool>* cancel = nullptr;
    bool hasContentLength = false;
};

size_t onHeader(char* data, size_t size, size_t count, void* user)
{
    auto* exchange = static_cast<Exchange*>(user);
    const size_t length = size * count;
    static constexpr char kStatusPrefix[] = "HTTP/";
    static constexpr char kLengthName[] = "content-length:";
    // Interim replies (100 Continue) start a new header block.
    if (length >= 5 && std::memcmp(data, kStatusPrefix, 5) == 0)
        exchange->hasContentLength = false;
    else if (length >= sizeof kLengthName - 1 && strncasecmp(data, kLengthName, sizeof kLengthName - 1) == 0)
        exchange->hasContentLength = true;
    return length;
}

size_t onBody(char* data, size_t size, size_t count, void* user)
{
    auto* exchange = static_cast<Exchange*>(user);
    const size_t length = size * count;
    if (!exchange->hasContentLength)
        return 0; // aborts the transfer: we only accept replies that announce their length
    const size_t room = exchange->capacity - exchange->body->size();
    // Nothing past the capacity is read. A longer reply could only decode as an empty
    // list, which the caller would take for the truth: the exchange fails instead.
    if (length > room)
        return 0;
    exchange->body->append(data, length);
    return length;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto* exchange = static_cast<Exchange*>(user);
    return exchange->cancel && exchange->cancel->load() ? 1 : 0;
}

void initialiseCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

int postSoap(const ServiceConfig& config, const std::string& soapActionLine, const std::string& request,
    std::size_t capacity, const std::atomic<bool>* cancel, std::string& response)
{
    response.clear();
    if (cancel && cancel->load())
        return -1;
    initialiseCurlOnce();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        return -1;

    // The three headers in the order the service has always received them; curl's
    // own Accept and Expect headers are suppressed.
    curl_slist* headers = nullptr;
    for (const char* line : { "Content-Type: text/xml; charset=utf-8", soapActionLine.c_str(), "Connection: Keep-Alive",
             "Accept:", "Expect:" })
        headers = curl_slist_append(headers, line);
    std::unique_ptr<curl_slist, HeaderListDeleter> headerList(headers);

    Exchange exchange;
    exchange.body = &response;
    exchange.capacity = capacity;
    exchange.cancel = cancel;

    const std::string url = "http://" + config.webHost + ":" + std::to_string(config.webPort) + kEndpointPath;
    CURL* h = curl.get();
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(h, CURLOPT_USERAGENT, "SoapTrans");
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(h, CURLOPT_POST, 1L);
    curl_easy_setopt(h, CURLOPT_POSTFIELDS, request.data());
    curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.size()));
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, config.connectTimeoutMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, config.exchangeTimeoutMs);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &exchange);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &exchange);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &exchange);

    const CURLcode code = curl_easy_perform(h);
    if (code != CURLE_OK || !exchange.hasContentLength) {
        response.clear();
        return -1;
    }
    return 0;
}

} // namespace cvsrv
