#pragma once

#include <string>
#include <vector>

// What the login window shows after the options file was read.
struct LoginPrefill {
    std::vector<std::string> accounts; // combo box items, in table order
    int selectedAccount = -1; // -1: nothing selected
    bool rememberPassword = false; // "保存密码"
    std::string password; // put in the password box when rememberPassword
    bool autoLogin = false; // "自动登录"
    bool startSignInNow = false; // start an attempt at once, as a click on the sign-in button
};
