// Measures the service where clients wait on it most: the whole address book of a
// big account, and many small profile reads at once.
#include "Service.h"
#include "SignatureCheck.h"
#include "store/AccountRepository.h"
#include "store/ContactRepository.h"
#include "store/Database.h"
#include "store/Schema.h"

#include "cvsrv/CCvService.h"

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kUser = "13800138000";
constexpr const char* kPassword = "123456";
constexpr int kContacts = 100000;

void seed(const std::string& path)
{
    cvservice::Database db(path);
    cvservice::Schema::migrate(db);
    cvservice::AccountRepository accounts(db);
    cvservice::Account account;
    account.regphoneid = kUser;
    account.password = kPassword;
    account.balance = 100000;
    accounts.create(account);
    cvservice::ContactRepository contacts(db);
    cvservice::Transaction transaction(db);
    for (int i = 0; i < kContacts; ++i) {
        cvservice::Contact contact;
        contact.owner = kUser;
        contact.name = "联系人" + std::to_string(i);
        contact.phone = "139" + std::to_string(10000000 + i);
        contact.email = "user" + std::to_string(i) + "@example.com";
        contacts.add(contact);
    }
    transaction.commit();
}

std::string contactsRequest(const std::string& ns)
{
    char stamp[32] = {};
    CUtility().GetTimeStamp(stamp);
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/"
           "envelope/\"><soap:Body><QueryClientAddress xmlns=\""
        + ns + "\"><regphoneId>" + kUser + "</regphoneId><userId>pcadm</userId><timeStamp>" + stamp
        + "</timeStamp><hashCode>" + cvservice::SignatureCheck::expectedHash(kUser, kPassword, stamp)
        + "</hashCode></QueryClientAddress></soap:Body></soap:Envelope>";
}

} // namespace

int main()
{
    char folder[] = "/tmp/service-bench-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    const std::string db = std::string(folder) + "/bench.db";
    seed(db);

    cvservice::ServiceOptions options;
    options.bindAddress = "127.0.0.1";
    options.httpPort = 0;
    options.monitorPort = 0;
    options.dbPath = db;
    options.fast = true;
    cvservice::Service service(options);
    std::string error;
    if (!service.start(error)) {
        std::cerr << "service_bench: " << error << std::endl;
        return 1;
    }

    // The whole address book, as one reply: median of five.
    std::vector<double> times;
    std::size_t bytes = 0;
    for (int run = 0; run < 5; ++run) {
        httplib::Client http("127.0.0.1", service.httpPort());
        http.set_read_timeout(60, 0);
        const std::string body = contactsRequest(service.namespaceUri());
        const auto start = Clock::now();
        const auto reply = http.Post("/MeetingWebSevc.asmx",
            { { "SOAPAction", "\"" + service.namespaceUri() + "QueryClientAddress\"" } }, body,
            "text/xml; charset=utf-8");
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (!reply || reply->status != 200 || reply->body.find("<addressno>99999") == std::string::npos) {
            std::cerr << "service_bench: the contact list did not arrive whole" << std::endl;
            return 1;
        }
        bytes = reply->body.size();
    }
    std::sort(times.begin(), times.end());
    std::cerr << "service_bench: the contact list reply holds " << bytes << " bytes" << std::endl;
    std::printf("value service_contacts_100k_ms %.0f\n", times[times.size() / 2]);
    std::fflush(stdout);

    // Profile reads through the client library, eight clients at once.
    cvsrv::ServiceConfig config;
    config.webHost = "127.0.0.1";
    config.webPort = service.httpPort();
    config.namespaceUri = service.namespaceUri();
    std::atomic<long> calls { 0 };
    std::atomic<long> failures { 0 };
    std::atomic<bool> stop { false };
    std::vector<std::thread> clients;
    const auto start = Clock::now();
    for (int i = 0; i < 8; ++i) {
        clients.emplace_back([&] {
            while (!stop) {
                std::string info;
                if (CCvService(config).GetMemberInfo(kUser, kPassword, info) == 0 && !info.empty())
                    ++calls;
                else
                    ++failures;
            }
        });
    }
    std::this_thread::sleep_for(std::chrono::seconds(3));
    stop = true;
    for (std::thread& t : clients)
        t.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (failures > 0)
        std::cerr << "service_bench: " << failures << " profile reads failed" << std::endl;
    std::printf("value service_membersinfo_rps %.0f\n", static_cast<double>(calls) / seconds);
    std::fflush(stdout);

    service.stop();
    std::filesystem::remove_all(folder);
    return failures > 0 ? 1 : 0;
}
