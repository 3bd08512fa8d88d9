#include "web/WebPages.h"

#include "Faults.h"
#include "FaultyReply.h"
#include "RandomDigits.h"
#include "TimeText.h"
#include "Utf8Text.h"
#include "store/AccountRepository.h"
#include "store/ChargeRepository.h"
#include "web/AddressBookTemplate.h"
#include "web/ManualPage.h"
#include "web/PageLayout.h"
#include "web/RecordingAudio.h"

#include <httplib.h>

#include <cctype>

namespace cvservice {

namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";

bool isMobileNumber(const std::string& number)
{
    if (number.size() != 11 || number[0] != '1')
        return false;
    for (const char c : number) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

std::string homePage()
{
    return PageLayout::wrap("Corvana电话会议", R"html(
<h1>Corvana电话会议</h1>
<p class="lead">随时随地召集多方电话会议：一键呼叫所有参会人，实时掌握每个人的通话和发言状态。</p>
<ul>
<li>即时会议与预约会议，到点自动呼叫</li>
<li>会中呼叫、挂断、禁言、录音，全程可控</li>
<li>云端通讯录、联系人组和会议组</li>
<li>群发短信、话费账单、会议录音回放</li>
</ul>
<p><a href="/nav/register.aspx">立即注册</a> · <a href="/nav/manual.aspx">阅读使用手册</a></p>
)html");
}

std::string forgotPasswordPage()
{
    return PageLayout::wrap("找回密码", R"html(
<h1>找回密码</h1>
<p>为了保护您的帐户安全，密码不能在网页上直接重置。</p>
<ol>
<li>请用注册时的手机号码拨打客服电话 <b>400-800-0000</b>（工作日 9:00-18:00）。</li>
<li>客服核对身份后会为您设置临时密码，并以短信发送到注册手机。</li>
<li>用临时密码登录客户端后，请在“修改密码”中设置新密码。</li>
</ol>
<p>如果您还记得原密码，可以直接在客户端菜单的“修改密码”中修改。</p>
)html");
}

} // namespace

WebPages::WebPages(AccountRepository& accounts, ChargeRepository& charges, UpdateFiles updates, const Faults& faults)
    : m_accounts(accounts)
    , m_charges(charges)
    , m_updates(std::move(updates))
    , m_faults(faults)
{
}

std::string WebPages::registerForm(const std::string& message, bool success)
{
    std::string body = "<h1>注册新帐号</h1>";
    if (!message.empty())
        body += std::string("<p class=\"") + (success ? "ok" : "error") + "\">" + PageLayout::escape(message) + "</p>";
    body += R"html(<form method="post" action="/nav/register.aspx">
<label for="regphoneid">手机号码</label><input id="regphoneid" name="regphoneid" maxlength="11" required>
<label for="password">密码</label><input id="password" name="password" type="password" maxlength="32" required>
<label for="confirm">确认密码</label><input id="confirm" name="confirm" type="password" maxlength="32" required>
<button type="submit">注册</button></form>
<p>注册成功后即可用手机号码和密码登录客户端，新帐号赠送 10 元体验话费。</p>)html";
    return PageLayout::wrap("注册新帐号", body);
}

void WebPages::registerAccount(const httplib::Request& request, httplib::Response& response)
{
    const std::string phone = request.get_param_value("regphoneid");
    const std::string password = request.get_param_value("password");
    std::string error;
    if (!isMobileNumber(phone))
        error = "请输入11位手机号码！";
    else if (password.empty() || password.size() > 32 || password.find(' ') != std::string::npos
        || !utf8text::isValid(password))
        error = "密码须为1到32个字符，且不能含空格！";
    else if (password != request.get_param_value("confirm"))
        error = "两次输入的密码不一致！";
    else if (m_accounts.password(phone))
        error = "该手机号码已经注册！";
    if (!error.empty()) {
        response.status = 400;
        response.set_content(registerForm(error, false), kHtml);
        return;
    }
    Account account;
    account.regphoneid = phone;
    account.password = password;
    account.balance = kStarterBalance;
    account.expiry = timetext::date(std::time(nullptr) + 365L * 86400);
    account.meetcall = phone;
    account.chairpersonpwd = RandomDigits::make(6);
    account.participantpwd = RandomDigits::make(6);
    account.modifytime = timetext::now();
    m_accounts.create(account);
    response.set_content(registerForm("注册成功！请用手机号码 " + phone + " 登录客户端。", true), kHtml);
}

void WebPages::install(httplib::Server& server)
{
    server.Get(
        "/", [](const httplib::Request&, httplib::Response& response) { response.set_content(homePage(), kHtml); });
    server.Get("/nav/manual.aspx",
        [](const httplib::Request&, httplib::Response& response) { response.set_content(ManualPage::html(), kHtml); });
    server.Get("/nav/register.aspx", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(registerForm({}, false), kHtml);
    });
    server.Post("/nav/register.aspx",
        [this](const httplib::Request& request, httplib::Response& response) { registerAccount(request, response); });
    server.Get("/nav/forgotpwd.aspx", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(forgotPasswordPage(), kHtml);
    });
    server.Get(AddressBookTemplate::kPath, [](const httplib::Request&, httplib::Response& response) {
        const std::string& workbook = AddressBookTemplate::workbook();
        if (workbook.empty()) {
            response.status = 500;
            return;
        }
        response.set_content(workbook, "application/vnd.ms-excel");
    });
    server.Get(R"(/updates/([A-Za-z0-9._-]+))", [this](const httplib::Request& request, httplib::Response& response) {
        if (answerWithFault(m_faults.http(), request, response))
            return;
        const auto content = m_updates.content(request.matches[1]);
        if (!content) {
            response.status = 404;
            return;
        }
        response.set_content(*content, "application/octet-stream");
    });
    // Only a recording's own token opens it; nothing else is served under this path.
    server.Get(
        R"(/recordings/([0-9a-f]{32})\.wav)", [this](const httplib::Request& request, httplib::Response& response) {
            const auto recording = m_charges.recordingByToken(request.matches[1]);
            if (!recording) {
                response.status = 404;
                return;
            }
            response.set_content(RecordingAudio::wav(recording->conferenceid, recording->seconds), "audio/wav");
        });
}

} // namespace cvservice
