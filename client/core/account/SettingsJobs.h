#pragma once

#include "core/session/MemberProfile.h"

#include <QString>

#include <string>

class CCvService;
struct Credentials;

// What a settings change came to. code 0 is success; otherwise the service's code
// (or the exchange's failure status) and the text the user reads for it.
struct SettingsReply {
    int code = -1;
    QString message;
    // A profile save answered with nothing at all: the dialog closes without a word.
    bool emptyResult = false;

    bool succeeded() const { return code == 0; }
};

// ServiceCall jobs of the account settings dialogs. Each is its own copy of what it
// sends; the session's account and password come in as the Credentials. A refusal
// carries the service's text for its code, fetched on the same worker so that the
// dialog shows it without a second wait.

// The member profile, saved with ClientPrivateInfo (oprflag 1). The result text's
// first field is the service's code.
class ProfileSaveJob {
public:
    explicit ProfileSaveJob(MemberProfile profile)
        : m_profile(std::move(profile))
    {
    }

    SettingsReply operator()(CCvService& service, const Credentials& who) const;

private:
    MemberProfile m_profile;
};

// A new password for the signed-in account. The old password sent is the session's:
// the one the account signed in with.
class PasswordChangeJob {
public:
    explicit PasswordChangeJob(std::string newPassword)
        : m_newPassword(std::move(newPassword))
    {
    }

    SettingsReply operator()(CCvService& service, const Credentials& who) const;

private:
    std::string m_newPassword;
};

// The default host number, then the SMS signature; both are sent whatever the first
// answer, and the first refusal is the one reported.
class MeetingSettingsJob {
public:
    MeetingSettingsJob(std::string hostNumber, std::string smsSignature)
        : m_hostNumber(std::move(hostNumber))
        , m_smsSignature(std::move(smsSignature))
    {
    }

    SettingsReply operator()(CCvService& service, const Credentials& who) const;

private:
    std::string m_hostNumber;
    std::string m_smsSignature;
};

class SmsSignatureJob {
public:
    explicit SmsSignatureJob(std::string smsSignature)
        : m_smsSignature(std::move(smsSignature))
    {
    }

    SettingsReply operator()(CCvService& service, const Credentials& who) const;

private:
    std::string m_smsSignature;
};

// Money from the signed-in account to another one. The paying account is the
// session's, but the password is the one typed for this transfer, and it signs the
// request. The amount is in hundredths of a yuan.
class TransferJob {
public:
    static constexpr int kRechargeAdd = 0;
    static constexpr int kProcessState = 2;

    TransferJob(std::string toAccount, int hundredths, std::string password)
        : m_toAccount(std::move(toAccount))
        , m_hundredths(hundredths)
        , m_password(std::move(password))
    {
    }

    SettingsReply operator()(CCvService& service, const Credentials& who) const;

private:
    std::string m_toAccount;
    int m_hundredths;
    std::string m_password;
};
