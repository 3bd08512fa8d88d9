#include "ui/SignInWorker.h"

#include "app/AppEvent.h"
#include "app/ServiceWorker.h"

#include "cvsrv/CCvService.h"

int SignInWorker::finishedEventType()
{
    static const int type = QEvent::registerEventType();
    return type;
}

void SignInWorker::start(std::shared_ptr<ReplyChannel> channel, int attempt, std::string account, std::string password,
    std::string ipAddress, std::shared_ptr<std::atomic<bool>> cancel)
{
    ServiceWorker::startCall(
        std::move(channel),
        [attempt, account = std::move(account), password = std::move(password), ipAddress = std::move(ipAddress)](
            CCvService& service) -> QEvent* {
            CUtility utility;
            SignInOutcome outcome;
            outcome.attempt = attempt;
            outcome.code = service.UserClientLogin(utility.Utf8toAnsi(account.c_str()).c_str(),
                utility.Utf8toAnsi(password.c_str()).c_str(), ipAddress.c_str());
            if (outcome.code != 0) {
                std::string text;
                if (service.GetSysMsgInfo(outcome.code, text) == 0 && !text.empty()) {
                    std::string utf8;
                    outcome.message = QString::fromStdString(utility.ConvertUTF8(text.c_str(), utf8)).trimmed();
                }
            }
            return new AppEvent(finishedEventType(), 0, 0, outcome);
        },
        cvsrv::ServiceConfig::fromEnvironment(), std::move(cancel));
}
