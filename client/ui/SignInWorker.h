#pragma once

#include <QString>

#include <atomic>
#include <memory>
#include <string>

class ReplyChannel;

// What a sign-in attempt's worker hands back to the login dialog.
struct SignInOutcome {
    int attempt = 0; // which attempt it answers; answers to older attempts are dropped
    int code = -1; // 0 accepted; otherwise the service's code (9: no answer)
    QString message; // the service's text for a refusal; empty when it gave none
};

// Runs UserClientLogin off the GUI thread and, for a refusal, asks the service for
// the text of its code, so that the dialog can show it without waiting. Nothing here
// touches a widget or the SessionState: the outcome arrives as a posted AppEvent of
// finishedEventType() carrying a SignInOutcome.
class SignInWorker {
public:
    static int finishedEventType();

    static void start(std::shared_ptr<ReplyChannel> channel, int attempt, std::string account, std::string password,
        std::string ipAddress, std::shared_ptr<std::atomic<bool>> cancel);
};
