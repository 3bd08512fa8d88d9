#include "core/addressbook/ContactForm.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

ContactForm typed(std::string name, std::string phone, std::string email = {}, bool male = true, bool female = false)
{
    return { std::move(name), std::move(phone), std::move(email), male, female };
}

ContactRecord stored(int sex)
{
    ContactRecord record;
    record.addressno = 31;
    record.clientno = "1001";
    record.addressname = "程亮";
    record.phone = "13744440031";
    record.sex = sex;
    record.email = "cheng@example.com";
    record.addressgroupid = 7;
    record.addressgroupname = "客户";
    return record;
}

} // namespace

TEST(ContactFormTest, aNameAndANumberAreNeeded)
{
    struct Row {
        const char* name;
        const char* phone;
        ContactFormCheck expected;
    };
    const Row rows[] = {
        { "王芳", "13911110001", ContactFormCheck::Ok },
        { "", "13911110001", ContactFormCheck::NameOrPhoneMissing },
        { "王芳", "", ContactFormCheck::NameOrPhoneMissing },
        { "", "", ContactFormCheck::NameOrPhoneMissing },
        // Whether a number can be dialled, or a name of blanks stands, is the
        // service's to say: both go out as typed.
        { "王芳", "abc", ContactFormCheck::Ok },
        { " ", "+86 139", ContactFormCheck::Ok },
    };
    for (const Row& row : rows)
        EXPECT_EQ(checkContactForm(typed(row.name, row.phone)), row.expected) << row.name << " / " << row.phone;
    // The e-mail address and the sex are never asked for.
    EXPECT_EQ(checkContactForm(typed("王芳", "139", "", false, false)), ContactFormCheck::Ok);
}

TEST(ContactFormTest, theDialogShowsMaleForANewContactAndFemaleForAnythingButMale)
{
    const ContactForm fresh = contactDialogForm(std::nullopt);
    EXPECT_EQ(fresh, typed("", "", "", true, false));

    struct Row {
        int sex;
        bool male;
        bool female;
    };
    const Row rows[]
        = { { 1, true, false }, { 2, false, true }, { 0, false, true }, { 7, false, true }, { -1, false, true } };
    for (const Row& row : rows) {
        const ContactForm form = contactDialogForm(stored(row.sex));
        EXPECT_EQ(form, typed("程亮", "13744440031", "cheng@example.com", row.male, row.female)) << row.sex;
    }
}

TEST(ContactFormTest, theContactPageShowsASexOnlyWhenOneIsStored)
{
    EXPECT_EQ(contactPageForm(std::nullopt), typed("", "", "", true, false));
    struct Row {
        int sex;
        bool male;
        bool female;
    };
    const Row rows[] = { { 1, true, false }, { 2, false, true }, { 0, false, false }, { 7, false, false } };
    for (const Row& row : rows) {
        const ContactForm form = contactPageForm(stored(row.sex));
        EXPECT_EQ(form, typed("程亮", "13744440031", "cheng@example.com", row.male, row.female)) << row.sex;
        // So the page saves back what it was given, where the dialog would not.
        if (row.sex >= 0 && row.sex <= 2) {
            EXPECT_EQ(sexOf(form), row.sex);
        }
    }
}

TEST(ContactFormTest, theSexSavedIsTheChoiceShown)
{
    struct Row {
        bool male;
        bool female;
        int sex;
    };
    const Row rows[] = { { true, false, 1 }, { false, true, 2 }, { false, false, 0 }, { true, true, 1 } };
    for (const Row& row : rows)
        EXPECT_EQ(sexOf(typed("a", "1", "", row.male, row.female)), row.sex) << row.male << row.female;
}

TEST(ContactFormTest, aNewContactIsUnstoredAndAnEditedOneKeepsWhatTheFormDoesNotShow)
{
    const ContactRecord added
        = savedContact(std::nullopt, typed("曹颖", "13744440032", "cao@example.com", false, true));
    ContactRecord expected;
    expected.addressname = "曹颖";
    expected.phone = "13744440032";
    expected.email = "cao@example.com";
    expected.sex = 2;
    EXPECT_EQ(added, expected);

    const ContactRecord edited = savedContact(stored(0), typed("程亮亮", "010-1234", "", false, true));
    ContactRecord kept = stored(2);
    kept.addressname = "程亮亮";
    kept.phone = "010-1234";
    kept.email = "";
    EXPECT_EQ(edited, kept);
}

TEST(ContactFormTest, theLongestNameAnEditTakesArrivesWhole)
{
    // Three bytes a unit is the most UTF-8 needs for one UTF-16 unit.
    std::string widest;
    for (int i = 0; i < kNameEditLimit; ++i)
        widest += "字";
    EXPECT_LE(widest.size(), 512U);
    EXPECT_GT(widest.size() + std::string("字").size(), 512U);
    // A character outside the basic plane takes two units and four bytes.
    std::string astral;
    for (int i = 0; i < kNameEditLimit / 2; ++i)
        astral += "😀";
    EXPECT_LE(astral.size(), 512U);
}
