// Speed of the service-client library: decoding a large contact list against a
// plain parse and against a DOM-and-XPath reader, decoding a reply of rows nested
// in one another, and one whole operation over loopback against a bare HTTP POST
// of the same bytes.
#include "ContactsReply.h"
#include "FakeSoapServer.h"
#include "Libxml2Decoder.h"
#include "RatioReporter.h"
#include "SoapReplies.h"

#include "XmlResponse.h"
#include "cvsrv/CCvService.h"

#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <libxml/parser.h>
#include <pugixml.hpp>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using corvana::bench::kContactFields;
using corvana::test::CannedReply;
using corvana::test::FakeSoapServer;

constexpr std::size_t kContacts = 50000;
constexpr const char* kAccount = "13800000000";
constexpr const char* kPassword = "secret";

const std::string& contacts()
{
    static const std::string reply = corvana::bench::contactsReply(kContacts);
    return reply;
}

// The library parses the received buffer in place, so every iteration gets a fresh
// copy; copying is not what is measured.
std::string freshCopy(benchmark::State& state)
{
    state.PauseTiming();
    std::string copy = contacts();
    state.ResumeTiming();
    return copy;
}

void BM_DecodeContacts(benchmark::State& state)
{
    std::string text;
    for (auto _ : state) {
        std::string reply = freshCopy(state);
        cvsrv::CXmlResponse response;
        response.LoadText(reply);
        benchmark::DoNotOptimize(response.GetRows("Table", kContactFields, text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * contacts().size()));
}

// Rows nested in one another's fields up to the contact list's capacity: the
// reader must get through them in time proportional to the reply's size.
constexpr std::size_t kNestedReplyBytes = 7800000;

struct NestedReply {
    std::size_t rows = 0;
    std::string text = corvana::bench::nestedContactsReply(kNestedReplyBytes, rows);
};

const NestedReply& nestedReply()
{
    static const NestedReply reply;
    return reply;
}

void BM_DecodeNestedContacts(benchmark::State& state)
{
    std::string text;
    for (auto _ : state) {
        state.PauseTiming();
        std::string reply = nestedReply().text;
        state.ResumeTiming();
        cvsrv::CXmlResponse response;
        response.LoadText(reply);
        if (response.GetRows("Table", kContactFields, text) != static_cast<int>(nestedReply().rows))
            state.SkipWithError("the nested rows did not all read");
    }
}

void BM_ParseContacts(benchmark::State& state)
{
    for (auto _ : state) {
        std::string reply = freshCopy(state);
        // pugixml as it comes: its default options, in place, UTF-8.
        pugi::xml_document document;
        benchmark::DoNotOptimize(
            document.load_buffer_inplace(reply.data(), reply.size(), pugi::parse_default, pugi::encoding_utf8));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * contacts().size()));
}

void BM_Libxml2DecodeContacts(benchmark::State& state)
{
    std::string text;
    for (auto _ : state)
        benchmark::DoNotOptimize(corvana::bench::decodeWithLibxml2(contacts(), "Table", kContactFields, text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * contacts().size()));
}

// A loopback service answering GetMemberInfo as the real one does, and the exact
// request the library sends to it, captured once.
struct MemberInfoService {
    FakeSoapServer server;
    cvsrv::ServiceConfig config = cvsrv::ServiceConfig::fromEnvironment();
    std::string request;
    std::string soapAction;

    MemberInfoService()
    {
        server.setReply(
            CannedReply::ok(corvana::test::dataSetReply("http://corvana.example.com/", "GetMemberInfo", "ds",
                { { { "clientno", "100086" }, { "idcard", "110105198001010011" }, { "idtype", "1" }, { "sex", "1" },
                    { "contactname", "王建华" }, { "contactid", "wjh" }, { "email", "wjh@mail.example.cn" },
                    { "street", "朝阳区建国路88号" }, { "city", "北京" }, { "state", "北京" }, { "country", "中国" },
                    { "postcode", "100022" }, { "meetcall", "01065889900" }, { "messagesender", "科华会务" },
                    { "comment", "年度会员" }, { "modifytime", "2013-06-17T21:40:22+08:00" }, { "userid", "pcadm" },
                    { "ipaddress", "192.168.1.20" } } })));
        config.webHost = FakeSoapServer::host();
        config.webPort = server.port();
        std::string info;
        CCvService(config).GetMemberInfo(kAccount, kPassword, info);
        const corvana::test::RecordedRequest sent = server.lastRequest();
        request = sent.body;
        soapAction = "SOAPAction: " + sent.header("SOAPAction");
        server.clearRequests();
    }
};

MemberInfoService& memberInfoService()
{
    static MemberInfoService service;
    return service;
}

size_t collect(char* data, size_t size, size_t count, void* user)
{
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

void BM_RoundTripMemberInfo(benchmark::State& state)
{
    MemberInfoService& service = memberInfoService();
    std::string info;
    for (auto _ : state) {
        CCvService client(service.config);
        if (client.GetMemberInfo(kAccount, kPassword, info) != 0 || info.empty())
            state.SkipWithError("GetMemberInfo failed");
    }
    service.server.clearRequests();
}

void BM_RoundTripBareCurl(benchmark::State& state)
{
    MemberInfoService& service = memberInfoService();
    const std::string url
        = "http://" + service.config.webHost + ":" + std::to_string(service.config.webPort) + "/MeetingWebSevc.asmx";
    std::string reply;
    for (auto _ : state) {
        reply.clear();
        CURL* curl = curl_easy_init();
        curl_slist* headers = nullptr;
        for (const char* line : { "Content-Type: text/xml; charset=utf-8", service.soapAction.c_str(),
                 "Connection: Keep-Alive", "Accept:", "Expect:" })
            headers = curl_slist_append(headers, line);
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, service.request.data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(service.request.size()));
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply);
        if (curl_easy_perform(curl) != CURLE_OK || reply.empty())
            state.SkipWithError("POST failed");
        curl_slist_free_all(headers);
        curl_easy_cleanup(curl);
    }
    service.server.clearRequests();
}

// Several short repetitions, interleaved (see main), so that a burst of other work
// on the machine cannot favour one side of a comparison.
constexpr int kRepetitions = 5;
BENCHMARK(BM_DecodeContacts)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(kRepetitions);
BENCHMARK(BM_ParseContacts)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(kRepetitions);
// Once per repetition: each decode takes long enough on its own to be measured.
BENCHMARK(BM_DecodeNestedContacts)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(kRepetitions);
BENCHMARK(BM_Libxml2DecodeContacts)->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(kRepetitions);
BENCHMARK(BM_RoundTripMemberInfo)->Unit(benchmark::kMicrosecond)->MinTime(0.5)->Repetitions(kRepetitions);
BENCHMARK(BM_RoundTripBareCurl)->Unit(benchmark::kMicrosecond)->MinTime(0.5)->Repetitions(kRepetitions);

// A speed comparison is only worth printing when both readers say the same thing.
bool decodersAgree()
{
    std::string reply = contacts();
    cvsrv::CXmlResponse response;
    response.LoadText(reply);
    std::string ours;
    std::string reference;
    const int rows = response.GetRows("Table", kContactFields, ours);
    const int referenceRows = corvana::bench::decodeWithLibxml2(contacts(), "Table", kContactFields, reference);
    if (rows != static_cast<int>(kContacts) || referenceRows != rows || ours != reference) {
        std::fprintf(stderr, "decoders disagree: %d and %d rows, texts %s\n", rows, referenceRows,
            ours == reference ? "equal" : "differ");
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
    xmlInitParser();
    // Interleaved repetitions unless the command line says otherwise.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    if (!decodersAgree())
        return 1;

    corvana::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    corvana::bench::printValue("contacts_reply_bytes", static_cast<double>(contacts().size()));
    using Clock = corvana::bench::RatioReporter::Clock;
    using corvana::bench::printRatio;
    using corvana::bench::printValue;
    printRatio("decode_vs_parse", reporter.ratio("BM_DecodeContacts", "BM_ParseContacts", Clock::Cpu));
    printRatio("libxml2_vs_decode", reporter.ratio("BM_Libxml2DecodeContacts", "BM_DecodeContacts", Clock::Cpu));
    printRatio("roundtrip_vs_curl", reporter.ratio("BM_RoundTripMemberInfo", "BM_RoundTripBareCurl", Clock::Wall));
    // The client's own share of the round trip, which other load on the machine
    // does not blur: CPU time of the calling thread.
    printValue(
        "roundtrip_vs_curl_client_cpu", reporter.ratio("BM_RoundTripMemberInfo", "BM_RoundTripBareCurl", Clock::Cpu));
    printValue("nested_reply_bytes", static_cast<double>(nestedReply().text.size()));
    printValue("nested_reply_decode_ms", 1000.0 * reporter.secondsPerIteration("BM_DecodeNestedContacts", Clock::Cpu));
    xmlCleanupParser();
    curl_global_cleanup();
    return 0;
}
