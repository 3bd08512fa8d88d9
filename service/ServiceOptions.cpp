#include "ServiceOptions.h"

#include <charconv>

namespace cvservice {

namespace {

template <typename Number> bool toNumber(const std::string& text, Number& out, Number low, Number high)
{
    Number value {};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return false;
    out = value;
    return true;
}

} // namespace

bool ServiceOptions::isPublicUrl(const std::string& url)
{
    constexpr std::string_view scheme = "http://";
    if (url.size() <= scheme.size() || url.size() > 255 || url.compare(0, scheme.size(), scheme) != 0)
        return false;
    // A host and an optional port, nothing a reply could be made to say more with.
    return url.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-:[]", scheme.size())
        == std::string::npos;
}

std::string ServiceOptions::usage()
{
    return "usage: cvservice [options]\n"
           "  --help                this text\n"
           "  --http-port N         SOAP and web port (default 8080, 0 = any free port)\n"
           "  --monitor-port N      live monitor port (default 8802, 0 = any free port)\n"
           "  --bind ADDRESS        address to listen on (default 0.0.0.0)\n"
           "  --db FILE             SQLite store (default cvservice.db, :memory: for a throw-away store)\n"
           "  --demo                seed the demo accounts into an empty store\n"
           "  --seed N              call simulation seed\n"
           "  --fast                shorten every simulated delay\n"
           "  --stamp-window SEC    accepted time-stamp drift (default 86400, 0 = any)\n"
           "  --namespace URI       SOAP namespace (default: the client library's)\n"
           "  --updates DIR         folder whose files the version check offers\n"
           "  --latest-version V    newest client version (default 1008)\n"
           "  --minimum-version V   oldest client that may keep running (default 1000)\n"
           "  --delay-ms N          delay every SOAP reply\n"
           "  --fault NAME          none|drop|chunked|malformed|truncated|http500\n"
           "  --monitor-fault NAME  drop|split|merge|garbage (repeatable)\n"
           "  --fault-control       serve the control endpoints with the printed token: the fault switch\n"
           "                        (/_control/faults) and churning conferences (/_control/churn)\n"
           "  --allow-repeats       carry out a signed change sent twice (tests that repeat a call on purpose)\n"
           "  --public-url URL      how clients reach this service (default: the address a request came in on)\n"
           "  --request-timeout-ms N  time for a request's headers, and again for its body (default 10000)\n"
           "  --failure-delay-ms N  first wait after repeated failed signatures (default 1000)\n"
           "  --max-failure-delay-ms N  longest such wait (default 120000)\n"
           "  --monitor-idle-ms N   close verified monitor connections that watch nothing (default 60000)\n";
}

std::optional<ServiceOptions> ServiceOptions::parse(int argc, const char* const* argv, std::string& error)
{
    ServiceOptions o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string v;
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--demo") {
            o.demo = true;
        } else if (arg == "--fast") {
            o.fast = true;
        } else if (arg == "--http-port" || arg == "--monitor-port") {
            if (!value(v))
                return std::nullopt;
            int port = 0;
            if (!toNumber(v, port, 0, 65535)) {
                error = "bad port: " + v;
                return std::nullopt;
            }
            (arg == "--http-port" ? o.httpPort : o.monitorPort) = port;
        } else if (arg == "--bind") {
            if (!value(o.bindAddress))
                return std::nullopt;
        } else if (arg == "--db") {
            if (!value(o.dbPath))
                return std::nullopt;
        } else if (arg == "--seed") {
            if (!value(v) || !toNumber(v, o.seed, 0u, 0xffffffffu)) {
                error = "bad seed";
                return std::nullopt;
            }
        } else if (arg == "--stamp-window") {
            if (!value(v) || !toNumber(v, o.stampWindowSeconds, 0L, 100L * 365 * 86400)) {
                error = "bad time-stamp window";
                return std::nullopt;
            }
        } else if (arg == "--namespace") {
            if (!value(o.namespaceUri))
                return std::nullopt;
        } else if (arg == "--updates") {
            if (!value(o.updatesDir))
                return std::nullopt;
        } else if (arg == "--latest-version") {
            if (!value(o.latestVersion))
                return std::nullopt;
        } else if (arg == "--minimum-version") {
            if (!value(o.minimumVersion))
                return std::nullopt;
        } else if (arg == "--delay-ms") {
            if (!value(v) || !toNumber(v, o.faults.delayMs, 0, 600000)) {
                error = "bad delay";
                return std::nullopt;
            }
        } else if (arg == "--fault") {
            if (!value(v) || !HttpFaults::parseReply(v, o.faults.reply)) {
                error = "unknown fault: " + v;
                return std::nullopt;
            }
        } else if (arg == "--allow-repeats") {
            o.refuseRepeats = false;
        } else if (arg == "--fault-control") {
            o.faultControl = true;
        } else if (arg == "--public-url") {
            if (!value(o.publicUrl))
                return std::nullopt;
            if (!isPublicUrl(o.publicUrl)) {
                error = "bad public address (http://host[:port]): " + o.publicUrl;
                return std::nullopt;
            }
        } else if (arg == "--request-timeout-ms" || arg == "--failure-delay-ms" || arg == "--max-failure-delay-ms"
            || arg == "--monitor-idle-ms") {
            int& target = arg == "--request-timeout-ms" ? o.requestTimeoutMs
                : arg == "--failure-delay-ms"           ? o.failureDelayMs
                : arg == "--max-failure-delay-ms"       ? o.maxFailureDelayMs
                                                        : o.monitorIdleMs;
            if (!value(v) || !toNumber(v, target, 1, 24 * 3600 * 1000)) {
                error = "bad " + arg.substr(2) + ": " + v;
                return std::nullopt;
            }
        } else if (arg == "--monitor-fault") {
            if (!value(v))
                return std::nullopt;
            o.monitorFaults.push_back(v);
        } else {
            error = "unknown option: " + arg;
            return std::nullopt;
        }
    }
    return o;
}

} // namespace cvservice
