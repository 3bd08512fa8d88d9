#pragma once

#include "ConferenceHub.h"

#include <string>

namespace cvservice {

// The texts the monitor server sends, UTF-8 JSON with "key" first as clients log them.
namespace MonitorMessages {

inline constexpr const char* kVerified = "成功";
inline constexpr const char* kVerifyRefused = "验证失败，帐号或密码错误";
inline constexpr const char* kVerifyThrottled = "验证失败次数过多，请稍后再试";
inline constexpr const char* kTooManyConnections = "该帐号的监控连接过多";
inline constexpr const char* kNotVerified = "请先通过验证";
inline constexpr const char* kNoSuchConference = "会议不存在";
inline constexpr const char* kNotYourConference = "无权监控此会议";
inline constexpr const char* kBadRequest = "请求格式错误";

std::string verify(const std::string& answer);
std::string error(const std::string& text);
std::string monitor(const LiveConference& conference);

// "name|phone|callstate|speakstate|activetalker" items joined by ",". The separators
// are taken out of names and phones so one member can never read as two.
std::string phoneList(const LiveConference& conference);

std::string quoted(const std::string& text);

} // namespace MonitorMessages

} // namespace cvservice
