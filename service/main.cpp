#include "Service.h"

#include <csignal>
#include <iostream>
#include <memory>

#include <pthread.h>

// cvservice: the local substitute for the conference web service and monitor server.
int main(int argc, char** argv)
{
    std::string error;
    const auto options = cvservice::ServiceOptions::parse(argc, argv, error);
    if (!options) {
        std::cerr << "cvservice: " << error << "\n" << cvservice::ServiceOptions::usage();
        return 2;
    }
    if (options->help) {
        std::cout << cvservice::ServiceOptions::usage();
        return 0;
    }

    // SIGINT and SIGTERM are taken by sigwait below, so every thread started from
    // here on must have them blocked.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::unique_ptr<cvservice::Service> running;
    try {
        running = std::make_unique<cvservice::Service>(*options);
    } catch (const std::exception& failure) {
        std::cerr << "cvservice: " << failure.what() << std::endl;
        return 1;
    }
    cvservice::Service& service = *running;
    if (!service.start(error)) {
        std::cerr << "cvservice: " << error << std::endl;
        return 1;
    }
    if (service.demoSeeded())
        std::cerr << "cvservice: demo accounts seeded" << std::endl;
    // The token comes first: whoever waits for the ports has it by then.
    if (options->faultControl)
        std::cout << "fault-token " << service.faultToken() << "\n";
    std::cout << "http-port " << service.httpPort() << "\n"
              << "monitor-port " << service.monitorPort() << std::endl;

    int received = 0;
    sigwait(&stopSignals, &received);
    std::cerr << "cvservice: stopping" << std::endl;
    service.stop();
    return 0;
}
