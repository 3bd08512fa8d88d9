#include "web/PageLayout.h"

#include "MarkupEscape.h"

namespace cvservice {

std::string PageLayout::escape(std::string_view text)
{
    std::string out;
    appendEscapedMarkup(out, text);
    return out;
}

std::string PageLayout::wrap(std::string_view title, std::string_view body)
{
    std::string html = "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>";
    html += escape(title);
    html += "</title><style>"
            "body{margin:0;font-family:\"Microsoft YaHei\",\"WenQuanYi Micro Hei\",\"Noto Sans CJK SC\",sans-serif;"
            "color:#223;background:#f4f8fc;line-height:1.7}"
            "header{background:rgb(93,185,255);color:#fff;padding:14px 32px}"
            "header a{color:#fff;text-decoration:none;margin-right:20px}"
            "header .brand{font-size:20px;font-weight:bold}"
            "main{max-width:860px;margin:24px auto;background:#fff;padding:24px 40px;border-radius:8px;"
            "box-shadow:0 1px 4px rgba(0,0,0,.08)}"
            "h1{color:#1c6fb8}h2{color:#1c6fb8;border-bottom:1px solid #dbe8f5;padding-bottom:4px;margin-top:32px}"
            "table{border-collapse:collapse;width:100%}td,th{border:1px solid #dbe8f5;padding:6px 10px;text-align:left}"
            "th{background:#eef6ff}.toc{background:#eef6ff;padding:10px 14px;border-radius:6px}"
            "form label{display:block;margin:12px 0 4px}form input{width:260px;padding:6px}"
            "button{margin-top:16px;padding:8px 28px;background:rgb(93,185,255);color:#fff;border:0;border-radius:4px}"
            ".error{color:#c0392b}.ok{color:#1e8449}footer{text-align:center;color:#889;font-size:13px;margin:24px}"
            "</style></head><body><header><span class=\"brand\">Corvana电话会议</span>&nbsp;&nbsp;"
            "<a href=\"/\">首页</a><a href=\"/nav/manual.aspx\">使用手册</a><a href=\"/nav/register.aspx\">注册</a>"
            "<a href=\"/nav/forgotpwd.aspx\">找回密码</a></header><main>";
    html += body;
    html += "</main><footer>Corvana电话会议 · 本地服务</footer></body></html>\n";
    return html;
}

} // namespace cvservice
