#include "core/session/OptionsFile.h"
#include "core/session/PrivateProfile.h"
#include "core/session/SavedAccountTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "PrivateOptionsDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class OptionsFileTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("cvoptions.dat")); }

    void writeFile(const std::string& content) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content.data(), static_cast<qint64>(content.size()));
    }

    std::string readFile() const
    {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll().toStdString();
    }

    PrivateProfile profile() const
    {
        PrivateProfile result;
        result.load(path());
        return result;
    }

    // A sign-in round: open the login window, attempt, complete.
    void signIn(const std::string& account, const std::string& password, bool remember, bool autoLogin)
    {
        SavedAccountTable table;
        OptionsFile options(path());
        options.load(table, false);
        table.recordAttempt(account, password, remember, autoLogin);
        QString error;
        ASSERT_TRUE(options.save(table, account, &error)) << error.toStdString();
    }

    std::vector<std::string> savedOrder() const
    {
        const PrivateProfile file = profile();
        std::vector<std::string> order;
        const int count = file.readInt("system", "usercount", 0);
        for (int i = 0; i < count; ++i)
            order.push_back(file.readString("user" + std::to_string(i), "regphoneid"));
        return order;
    }

    QTemporaryDir m_dir;
};

TEST_F(OptionsFileTest, MissingFileGivesNoAccountsAndNothingChecked)
{
    SavedAccountTable table;
    const LoginPrefill prefill = OptionsFile(path()).load(table, false);
    EXPECT_TRUE(prefill.accounts.empty());
    EXPECT_EQ(prefill.selectedAccount, -1);
    EXPECT_FALSE(prefill.rememberPassword);
    EXPECT_FALSE(prefill.autoLogin);
    EXPECT_FALSE(prefill.startSignInNow);
    EXPECT_EQ(table.count(), 0);
}

TEST_F(OptionsFileTest, EmptyAccountSectionsAreSkippedAndMissingKeysReadAsDefaults)
{
    writeFile("[system]\ncurrentuser=1\nusercount=3\n"
              "[user0]\nregphoneid=13800000000\nregphonepd=a\nrempd=1\n"
              "[user1]\nregphoneid=\nregphonepd=lost\n"
              "[user2]\nregphoneid=13900000000\n");
    SavedAccountTable table;
    const LoginPrefill prefill = OptionsFile(path()).load(table, false);
    EXPECT_EQ(prefill.accounts, (std::vector<std::string> { "13800000000", "13900000000" }));
    EXPECT_EQ(table.count(), 2);
    EXPECT_EQ(prefill.selectedAccount, 1);
    const SavedAccount& second = table.record(1);
    EXPECT_EQ(second.regphonepd, "");
    EXPECT_EQ(second.rempd, 0);
    EXPECT_EQ(second.autologin, 0);
    EXPECT_EQ(second.exitormin, 0);
    EXPECT_EQ(second.nevershow, 0);
    EXPECT_FALSE(prefill.rememberPassword);
}

TEST_F(OptionsFileTest, OnlyTheValueOneCountsForRememberAndAutoLogin)
{
    writeFile("[system]\nusercount=1\n[user0]\nregphoneid=1\nregphonepd=secret\nrempd=2\nautologin=2\n");
    SavedAccountTable table;
    LoginPrefill prefill = OptionsFile(path()).load(table, false);
    EXPECT_FALSE(prefill.rememberPassword);
    EXPECT_EQ(prefill.password, "");
    EXPECT_FALSE(prefill.autoLogin);

    // Integers are read from their leading digits.
    writeFile("[system]\nusercount=1\n[user0]\nregphoneid=1\nregphonepd=secret\nrempd=1x\nautologin=1 \n");
    prefill = OptionsFile(path()).load(table, false);
    EXPECT_TRUE(prefill.rememberPassword);
    EXPECT_EQ(prefill.password, "secret");
    EXPECT_TRUE(prefill.autoLogin);
    EXPECT_TRUE(prefill.startSignInNow);
}

TEST_F(OptionsFileTest, AutoLoginStartsOnlyWithTextsAndNotAfterChangeUser)
{
    // The password was left by an earlier save but is not remembered: the box stays
    // empty and the automatic attempt runs with it.
    writeFile("[system]\nusercount=1\n[user0]\nregphoneid=1\nregphonepd=old\nrempd=0\nautologin=1\n");
    SavedAccountTable table;
    LoginPrefill prefill = OptionsFile(path()).load(table, false);
    EXPECT_TRUE(prefill.autoLogin);
    EXPECT_FALSE(prefill.rememberPassword);
    EXPECT_EQ(prefill.password, "");
    EXPECT_TRUE(prefill.startSignInNow);

    prefill = OptionsFile(path()).load(table, true);
    EXPECT_TRUE(prefill.autoLogin);
    EXPECT_FALSE(prefill.startSignInNow);

    writeFile("[system]\nusercount=1\n[user0]\nregphoneid=1\nrempd=1\nautologin=1\n");
    prefill = OptionsFile(path()).load(table, false);
    EXPECT_TRUE(prefill.autoLogin);
    EXPECT_FALSE(prefill.startSignInNow);
}

TEST_F(OptionsFileTest, OutOfRangeCurrentUserSelectsNothing)
{
    for (const char* current : { "2", "-1", "99999999999" }) {
        writeFile(std::string("[system]\nusercount=2\ncurrentuser=") + current
            + "\n[user0]\nregphoneid=a\nautologin=1\nregphonepd=p\n[user1]\nregphoneid=b\n");
        SavedAccountTable table;
        const LoginPrefill prefill = OptionsFile(path()).load(table, false);
        EXPECT_EQ(prefill.accounts.size(), 2u) << current;
        if (std::string(current) == "-1") {
            // No sign is read: "-1" has no leading digits and means 0.
            EXPECT_EQ(prefill.selectedAccount, 0);
            continue;
        }
        EXPECT_EQ(prefill.selectedAccount, -1) << current;
        EXPECT_FALSE(prefill.startSignInNow) << current;
        EXPECT_EQ(table.current(), nullptr) << current;
        QString error;
        EXPECT_FALSE(OptionsFile(path()).save(table, "a", &error)) << current;
    }
}

TEST_F(OptionsFileTest, NoMoreThanTheTableHoldsIsLoaded)
{
    std::string content = "[system]\nusercount=150\n";
    for (int i = 0; i < 150; ++i)
        content += "[user" + std::to_string(i) + "]\nregphoneid=" + std::to_string(1000 + i) + "\n";
    writeFile(content);
    SavedAccountTable table;
    LoginPrefill prefill = OptionsFile(path()).load(table, false);
    EXPECT_EQ(table.count(), SavedAccountTable::kCapacity);
    ASSERT_EQ(prefill.accounts.size(), 100u);
    EXPECT_EQ(prefill.accounts.back(), "1099");

    // A hand-edited huge count reads the sections that exist, at once.
    writeFile("[system]\nusercount=2147483647\n[user0]\nregphoneid=a\n[user7]\nregphoneid=b\n[user01]\nregphoneid=c\n");
    prefill = OptionsFile(path()).load(table, false);
    EXPECT_EQ(prefill.accounts, (std::vector<std::string> { "a", "b" }));

    // Sections beyond usercount are not accounts.
    writeFile("[system]\nusercount=1\n[user0]\nregphoneid=a\n[user1]\nregphoneid=b\n");
    prefill = OptionsFile(path()).load(table, false);
    EXPECT_EQ(prefill.accounts, (std::vector<std::string> { "a" }));
}

TEST_F(OptionsFileTest, LongTextsAreCutToTheFieldWidth)
{
    const std::string longText(40, '7');
    writeFile("[system]\nusercount=1\n[user0]\nregphoneid=" + longText + "\nregphonepd=" + longText + "\nrempd=1\n");
    SavedAccountTable table;
    const LoginPrefill prefill = OptionsFile(path()).load(table, false);
    ASSERT_EQ(prefill.accounts.size(), 1u);
    EXPECT_EQ(prefill.accounts[0], std::string(31, '7'));
    EXPECT_EQ(prefill.password, std::string(31, '7'));

    // A typed account is cut the same way, so it finds its saved record again.
    table.recordAttempt(longText, "x", false, false);
    EXPECT_EQ(table.count(), 1);
    EXPECT_EQ(table.currentIndex(), 0);
}

TEST_F(OptionsFileTest, NewAccountIsSavedFirstAndTheOthersFollowInOrder)
{
    signIn("A", "pa", true, false);
    signIn("B", "pb", true, false);
    EXPECT_EQ(savedOrder(), (std::vector<std::string> { "B", "A" }));
    signIn("C", "pc", false, true);
    EXPECT_EQ(savedOrder(), (std::vector<std::string> { "C", "B", "A" }));

    const PrivateProfile file = profile();
    EXPECT_EQ(file.readInt("system", "currentuser", -1), 0);
    EXPECT_EQ(file.readInt("user0", "autologin", -1), 1);
    EXPECT_EQ(file.readInt("user0", "rempd", -1), 0);
    EXPECT_EQ(file.readString("user1", "regphonepd"), "pb");
    EXPECT_EQ(file.readString("user2", "regphonepd"), "pa");
}

TEST_F(OptionsFileTest, ExistingAccountMovesToTheFrontKeepingItsPreferences)
{
    writeFile("[system]\ncurrentuser=0\nusercount=3\n"
              "[user0]\nregphoneid=A\nregphonepd=pa\nrempd=1\nautologin=0\nexitormin=1\nnevershow=0\n"
              "[user1]\nregphoneid=B\nregphonepd=pb\nrempd=1\nautologin=0\nexitormin=0\nnevershow=1\n"
              "[user2]\nregphoneid=C\nregphonepd=pc\nrempd=1\nautologin=0\nexitormin=1\nnevershow=7\n");
    signIn("C", "new", true, false);
    EXPECT_EQ(savedOrder(), (std::vector<std::string> { "C", "A", "B" }));
    const PrivateProfile file = profile();
    EXPECT_EQ(file.readString("user0", "regphonepd"), "new");
    EXPECT_EQ(file.readInt("user0", "nevershow", -1), 7);
    EXPECT_EQ(file.readInt("user0", "exitormin", -1), 1);
    EXPECT_EQ(file.readInt("user1", "exitormin", -1), 1);
    EXPECT_EQ(file.readInt("user2", "nevershow", -1), 1);
    EXPECT_EQ(file.readInt("system", "usercount", -1), 3);
}

TEST_F(OptionsFileTest, ForgettingThePasswordKeepsItInTheFileButDoesNotFillItIn)
{
    signIn("A", "secret", true, false);
    signIn("A", "typed-now", false, false);
    const PrivateProfile file = profile();
    EXPECT_EQ(file.readInt("user0", "rempd", -1), 0);
    EXPECT_EQ(file.readString("user0", "regphonepd"), "secret");

    SavedAccountTable table;
    const LoginPrefill prefill = OptionsFile(path()).load(table, false);
    EXPECT_FALSE(prefill.rememberPassword);
    EXPECT_EQ(prefill.password, "");
}

TEST_F(OptionsFileTest, AnAccountNeverInheritsAnotherAccountsPassword)
{
    // user2 once held D's password; B (password not remembered) moves into user2.
    writeFile("[system]\nusercount=3\n"
              "[user0]\nregphoneid=A\nregphonepd=pa\nrempd=1\n"
              "[user1]\nregphoneid=B\nregphonepd=\nrempd=0\nautologin=1\n"
              "[user2]\nregphoneid=D\nregphonepd=pd\nrempd=1\n"
              "[user3]\nregphoneid=X\nregphonepd=px\n");
    signIn("C", "pc", true, false);
    ASSERT_EQ(savedOrder(), (std::vector<std::string> { "C", "A", "B", "D" }));
    EXPECT_EQ(profile().readString("user2", "regphonepd"), "");

    SavedAccountTable table;
    OptionsFile(path()).load(table, false);
    EXPECT_EQ(table.record(2).regphoneid, "B");
    EXPECT_EQ(table.record(2).regphonepd, "");
}

TEST_F(OptionsFileTest, AFullTableReplacesItsLastRecordWithoutItsOldData)
{
    std::string content = "[system]\nusercount=100\n";
    for (int i = 0; i < 100; ++i) {
        content += "[user" + std::to_string(i) + "]\nregphoneid=" + std::to_string(i) + "\nregphonepd=p"
            + std::to_string(i) + "\nrempd=1\nexitormin=1\n";
    }
    writeFile(content);
    SavedAccountTable table;
    OptionsFile options(path());
    options.load(table, false);
    table.recordAttempt("new", "typed", false, false);
    EXPECT_EQ(table.count(), 100);
    EXPECT_EQ(table.currentIndex(), 99);
    EXPECT_EQ(table.record(99).regphoneid, "new");
    EXPECT_EQ(table.record(99).regphonepd, "");
    EXPECT_EQ(table.record(99).exitormin, 0);
    EXPECT_EQ(table.record(98).regphoneid, "98");

    ASSERT_TRUE(options.save(table, "new"));
    const std::vector<std::string> order = savedOrder();
    ASSERT_EQ(order.size(), 100u);
    EXPECT_EQ(order.front(), "new");
    EXPECT_EQ(order.back(), "98");
}

TEST_F(OptionsFileTest, SaveKeepsWhatItDoesNotWrite)
{
    writeFile("; kept comment\n[system]\nusercount=1\ntheme=dark\n[user0]\nregphoneid=A\nextra=1\n[other]\nk=v\n");
    signIn("A", "pa", true, false);
    const std::string text = readFile();
    EXPECT_NE(text.find("; kept comment"), std::string::npos);
    const PrivateProfile file = profile();
    EXPECT_EQ(file.readString("system", "theme"), "dark");
    EXPECT_EQ(file.readString("user0", "extra"), "1");
    EXPECT_EQ(file.readString("other", "k"), "v");
    // The keys of an account come in their fixed order.
    const std::size_t user0 = text.find("[user0]");
    EXPECT_LT(text.find("regphonepd=", user0), text.find("rempd=", user0));
    EXPECT_LT(text.find("rempd=", user0), text.find("autologin=", user0));
    EXPECT_LT(text.find("autologin=", user0), text.find("exitormin=", user0));
    EXPECT_LT(text.find("exitormin=", user0), text.find("nevershow=", user0));
}

TEST_F(OptionsFileTest, TheFileIsReadableByItsOwnerOnly)
{
    writeFile("[system]\nusercount=0\n");
    ::chmod(path().toLocal8Bit().constData(), 0644);
    signIn("A", "pa", true, false);
    struct stat info { };
    ASSERT_EQ(::stat(path().toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(OptionsFileTest, AFailedWriteLeavesTheOldFileWholeAndIsReported)
{
    std::string old = "[system]\nusercount=1\n[user0]\nregphoneid=A\nregphonepd=pa\nrempd=1\n";
    writeFile(old);
    SavedAccountTable table;
    OptionsFile options(path());
    options.load(table, false);
    // Enough accounts that the new file is larger than the write limit below.
    for (int i = 0; i < 40; ++i)
        table.recordAttempt("account-" + std::to_string(i), "password", true, false);

    // Writes past 256 bytes fail (EFBIG) even for root.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous {};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = 256;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    QString error;
    const bool saved = options.save(table, "account-39", &error);
    ::setrlimit(RLIMIT_FSIZE, &previous);

    EXPECT_FALSE(saved);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("cvoptions.dat") });
}

TEST_F(OptionsFileTest, AnUnusableFolderIsReported)
{
    // The folder's place is taken by a plain file.
    const QString blocked = m_dir.filePath(QStringLiteral("blocked"));
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    SavedAccountTable table;
    table.recordAttempt("A", "pa", true, false);
    QString error;
    EXPECT_FALSE(OptionsFile(blocked + QStringLiteral("/cvoptions.dat")).save(table, "A", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(OptionsFileLocation, EnvironmentChoosesTheFolder)
{
    const QByteArray ours = qgetenv("CORVANA_OPTIONS_DIR");
    qputenv("CORVANA_OPTIONS_DIR", "/tmp/opts");
    EXPECT_EQ(OptionsFile::defaultPath(), QStringLiteral("/tmp/opts/cvoptions.dat"));
    qunsetenv("CORVANA_OPTIONS_DIR");
    qputenv("XDG_CONFIG_HOME", "/tmp/xdg");
    EXPECT_EQ(OptionsFile::defaultPath(), QStringLiteral("/tmp/xdg/corvana/cvoptions.dat"));
    qputenv("XDG_CONFIG_HOME", "relative");
    EXPECT_TRUE(OptionsFile::defaultPath().endsWith(QStringLiteral("/.config/corvana/cvoptions.dat")));
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("CORVANA_OPTIONS_DIR", ours);
}

TEST(OptionsFileLocation, TestsNeverReachTheUsersOwnFile)
{
    const QByteArray ours = qgetenv("CORVANA_OPTIONS_DIR");
    qunsetenv("CORVANA_OPTIONS_DIR");
    EXPECT_DEATH(corvana::test::PrivateOptionsDir::refuseTheRealFolder(), "refusing to run");
    {
        const corvana::test::PrivateOptionsDir own;
        EXPECT_EQ(OptionsFile::defaultDirectory(), own.path());
    }
    qputenv("CORVANA_OPTIONS_DIR", ours);
}

} // namespace
