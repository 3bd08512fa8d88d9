// A soak of the live conference view: a churning conference of 1,000 members whose
// states change ten times a second (by default for ten minutes), watched by the
// instant page of the client over its own monitor connection, offscreen. It prints
//   value soak_rss_growth_pct N         this process's resident memory from the end of
//                                       the warm-up (a tenth of the run) to the last
//                                       member list before the end
//   value soak_updates_missed N         states the service set that the roster never
//                                       showed in their order (UpdateCount.h)
// and the counts behind them, and exits 1 unless the growth stays under 5 %, nothing
// was missed or shown that the service never set, the roster ended as the service's
// last states, and the page noticed the end.
//
//   live_soak --token T --account A --password P [--seconds 600] [--members 1000]
//             [--rate 10] [--service-pid PID]
// The service (cvservice --fault-control) is the one CORVANA_WEB_HOST/PORT and
// CORVANA_MONITOR_HOST/PORT name; scripts/soak starts one and runs this.

#include "ChurnControl.h"
#include "SoakRun.h"
#include "UpdateCount.h"

#include "RatioReporter.h"

#include "cvsrv/ServiceConfig.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr double kMaxGrowthPercent = 5.0;

struct Options {
    QByteArray token;
    std::string account;
    std::string password;
    int seconds = 600;
    int members = 1000;
    int rate = 10;
    long long servicePid = 0;
};

std::optional<Options> parse(const QApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A soak of the live conference view against cvservice."));
    parser.addHelpOption();
    const QCommandLineOption token(
        QStringLiteral("token"), QStringLiteral("the service's fault-token"), QStringLiteral("T"));
    const QCommandLineOption account(
        QStringLiteral("account"), QStringLiteral("account that owns the conference"), QStringLiteral("A"));
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("its password"), QStringLiteral("P"));
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("how long the members churn"),
        QStringLiteral("N"), QStringLiteral("600"));
    const QCommandLineOption members(
        QStringLiteral("members"), QStringLiteral("members that churn"), QStringLiteral("N"), QStringLiteral("1000"));
    const QCommandLineOption rate(
        QStringLiteral("rate"), QStringLiteral("changes per second"), QStringLiteral("N"), QStringLiteral("10"));
    const QCommandLineOption pid(QStringLiteral("service-pid"), QStringLiteral("also sample the service's memory"),
        QStringLiteral("PID"), QStringLiteral("0"));
    parser.addOptions({ token, account, password, seconds, members, rate, pid });
    parser.process(application);

    Options options;
    options.token = parser.value(token).toLatin1();
    options.account = parser.value(account).toStdString();
    options.password = parser.value(password).toStdString();
    bool numbers[4] = {};
    options.seconds = parser.value(seconds).toInt(&numbers[0]);
    options.members = parser.value(members).toInt(&numbers[1]);
    options.rate = parser.value(rate).toInt(&numbers[2]);
    options.servicePid = parser.value(pid).toLongLong(&numbers[3]);
    if (options.token.isEmpty() || options.account.empty() || options.password.empty()) {
        std::fprintf(stderr, "live_soak: --token, --account and --password are needed\n");
        return std::nullopt;
    }
    if (!(numbers[0] && numbers[1] && numbers[2] && numbers[3]) || options.seconds < 10 || options.members < 1
        || options.rate < 1) {
        std::fprintf(stderr, "live_soak: --seconds (10 or more), --members and --rate are positive numbers\n");
        return std::nullopt;
    }
    return options;
}

double growthPercent(long long start, long long end)
{
    return start > 0 ? 100.0 * static_cast<double>(end - start) / static_cast<double>(start) : 0.0;
}

void complain(bool failed, const char* why, int& status)
{
    if (!failed)
        return;
    std::fprintf(stderr, "live_soak: %s\n", why);
    status = 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const auto options = parse(application);
    if (!options)
        return 2;

    const cvsrv::ServiceConfig service = cvsrv::ServiceConfig::fromEnvironment();
    ChurnControl control(service.webHost, service.webPort, options->token);
    QString error;
    const auto conferenceId = control.start(options->account, options->members, options->rate, options->seconds, error);
    if (!conferenceId) {
        std::fprintf(stderr, "live_soak: no churning conference: %s\n", qPrintable(error));
        return 2;
    }

    SoakRun run({ options->account, options->password, *conferenceId, std::chrono::seconds(options->seconds),
        options->servicePid });
    run.start([&application] { application.quit(); });
    application.exec();

    const auto record = control.record(*conferenceId, error);
    if (!record) {
        std::fprintf(stderr, "live_soak: the churn's record: %s\n", qPrintable(error));
        return 2;
    }
    const UpdateCount count = UpdateCount::of(record->states, run.tally().shown());
    const SoakRun::Figures& figures = run.figures();
    const double growth = growthPercent(figures.rssStartKib, figures.rssEndKib);
    const bool endNoticed = figures.endNoticed && record->ended && figures.joinedRowsAfterEnd == 0
        && figures.waitingRowsAfterEnd == options->members;

    using corvana::bench::printValueLine;
    printValueLine("soak_seconds", options->seconds);
    printValueLine("soak_members", options->members);
    printValueLine("soak_updates_sent", static_cast<double>(count.sent));
    printValueLine("soak_updates_applied", static_cast<double>(count.applied()));
    printValueLine("soak_updates_missed", static_cast<double>(count.missed));
    printValueLine("soak_updates_unexpected", static_cast<double>(count.unexpected));
    printValueLine("soak_roster_final_mismatches", static_cast<double>(count.finalMismatches));
    printValueLine("soak_member_lists", static_cast<double>(figures.memberLists));
    printValueLine("soak_max_list_gap_ms", static_cast<double>(figures.maxListGapMs));
    printValueLine("soak_reconnects", figures.reconnects);
    printValueLine("soak_end_noticed", endNoticed ? 1 : 0);
    printValueLine("soak_end_after_ms", static_cast<double>(figures.endAfterMs));
    printValueLine("soak_rss_start_kib", static_cast<double>(figures.rssStartKib));
    printValueLine("soak_rss_end_kib", static_cast<double>(figures.rssEndKib));
    printValueLine("soak_rss_peak_kib", static_cast<double>(figures.rssPeakKib));
    printValueLine("soak_rss_growth_pct", growth);
    if (options->servicePid > 0) {
        printValueLine("soak_service_rss_start_kib", static_cast<double>(figures.serviceRssStartKib));
        printValueLine("soak_service_rss_end_kib", static_cast<double>(figures.serviceRssEndKib));
        printValueLine(
            "soak_service_rss_growth_pct", growthPercent(figures.serviceRssStartKib, figures.serviceRssEndKib));
    }

    int status = 0;
    complain(!figures.warmedUp, "the run ended before its warm-up did", status);
    complain(growth >= kMaxGrowthPercent, "memory grew by 5 % or more", status);
    complain(count.sent == 0, "the service made no change", status);
    complain(count.missed > 0, "updates were missed", status);
    complain(count.unexpected > 0, "the roster showed states the service never set", status);
    complain(count.finalMismatches > 0, "the roster did not end as the service's last states", status);
    complain(!endNoticed, "the end of the conference was not noticed", status);
    return status;
}
