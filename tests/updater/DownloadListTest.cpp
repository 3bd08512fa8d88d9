#include "DownloadList.h"

#include <gtest/gtest.h>

using Pieces = std::vector<std::string>;

TEST(DownloadListTest, SplitsLikeTheServiceLibrary)
{
    EXPECT_EQ(DownloadList::split("http://h/a;http://h/b"), (Pieces { "http://h/a", "http://h/b" }));
    // A trailing separator gives no extra piece; empty middle pieces stay.
    EXPECT_EQ(DownloadList::split("http://h/a;"), (Pieces { "http://h/a" }));
    EXPECT_EQ(DownloadList::split("a;;b"), (Pieces { "a", "", "b" }));
    EXPECT_EQ(DownloadList::split(";a"), (Pieces { "", "a" }));
    EXPECT_EQ(DownloadList::split(";"), (Pieces { "" }));
    EXPECT_TRUE(DownloadList::split("").empty());
}

TEST(DownloadListTest, LocalNameIsThePartAfterTheLastSlash)
{
    EXPECT_EQ(DownloadList::localName("http://h:8080/updates/corvana"), "corvana");
    EXPECT_EQ(DownloadList::localName("http://h/updates/"), "");
    EXPECT_EQ(DownloadList::localName("corvana"), "corvana");
    EXPECT_EQ(DownloadList::localName("http://h/x/.."), "..");
}

TEST(DownloadListTest, OnlyNamesInsideTheFolderAreAccepted)
{
    EXPECT_TRUE(DownloadList::isSafeLocalName("corvana"));
    EXPECT_TRUE(DownloadList::isSafeLocalName("libcvsrv.so.1"));
    EXPECT_TRUE(DownloadList::isSafeLocalName("..hidden"));
    for (const std::string& name :
        std::vector<std::string> { "", ".", "..", "a/b", "a\\b", "..\\corvana", std::string("a\0b", 3) })
        EXPECT_FALSE(DownloadList::isSafeLocalName(name)) << name;
}
