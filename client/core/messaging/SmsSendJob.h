#pragma once

#include <QString>

#include <string>

class CCvService;
struct Credentials;

// What a send came to. The result code is the first field of the result text. The
// message is what the user reads: "短信已经发送！", the service's own text for a
// refusal, or the connection-loss text when the exchange failed. An exchange that
// succeeded with no result text at all says nothing (nothing to show).
struct SmsSendReply {
    std::string resultText;
    int code = -1;
    QString message;

    bool sent() const { return code == 0; }
    bool hasAnswer() const { return !message.isEmpty(); }
};

// One clientsendmessage call: the recipients text as typed, the message with its
// signature and the send time. A ServiceCall job (start or startWithProgress).
class SmsSendJob {
public:
    SmsSendJob(std::string recipients, std::string message, std::string sendTime);

    SmsSendReply operator()(CCvService& service, const Credentials& who) const;

    // Reads a send's result text; status is the operation's own.
    static SmsSendReply read(int status, const std::string& resultText);

private:
    std::string m_recipients;
    std::string m_message;
    std::string m_sendTime;
};
