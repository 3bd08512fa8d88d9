#include "core/session/PrivateProfile.h"

#include <gtest/gtest.h>

namespace {

TEST(PrivateProfile, ReadsLikeThePrivateProfileFunctions)
{
    PrivateProfile profile;
    profile.setText("[System]\r\n  UserCount = 12abc \r\n; comment=no\r\nname=\"quoted\"\r\nempty=\r\n"
                    "[user0]\r\nregphoneid= 138 \r\nsigned=-4\r\n");
    EXPECT_EQ(profile.readInt("system", "usercount", 0), 12);
    EXPECT_EQ(profile.readInt("system", "missing", 7), 7);
    EXPECT_EQ(profile.readInt("nosection", "usercount", 5), 5);
    EXPECT_EQ(profile.readInt("system", "empty", 9), 0); // present but no digits
    EXPECT_EQ(profile.readInt("user0", "signed", 9), 0);
    EXPECT_EQ(profile.readString("SYSTEM", "name"), "quoted");
    EXPECT_EQ(profile.readString("system", "comment", "fallback"), "fallback");
    EXPECT_EQ(profile.readString("user0", "regphoneid"), "138");
    EXPECT_EQ(profile.readString("user0", "usercount", "x"), "x"); // keys belong to their section
}

TEST(PrivateProfile, WritingChangesOnlyTheKeyItWrites)
{
    PrivateProfile profile;
    profile.setText("; head\n[a]\nx=1\n\n[b]\ny=2\n");
    profile.writeString("a", "X", "10"); // replaces, keeping the file's spelling
    profile.writeString("a", "z", "new"); // added after the section's last key
    profile.writeInt("c", "n", 5); // new section at the end
    EXPECT_EQ(profile.text(), "; head\n[a]\nx=10\nz=new\n\n[b]\ny=2\n[c]\nn=5\n");
}

TEST(PrivateProfile, AValueCannotForgeFurtherLines)
{
    PrivateProfile profile;
    profile.writeString("user0", "regphonepd", "pw\n[system]\r\nusercount=99");
    PrivateProfile reread;
    reread.setText(profile.text());
    EXPECT_FALSE(reread.hasSection("system"));
    EXPECT_EQ(reread.readInt("system", "usercount", 0), 0);
}

} // namespace
