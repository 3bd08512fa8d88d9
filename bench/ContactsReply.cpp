#include "ContactsReply.h"

#include "SoapReplies.h"

#include <array>
#include <string_view>

namespace corvana::bench {

namespace {

constexpr std::array kSurnames { "王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱",
    "胡", "郭", "何", "高", "林", "罗", "郑", "梁", "谢", "宋", "唐", "欧阳", "司马", "诸葛" };
constexpr std::array kGivenNames { "伟", "芳", "娜", "秀英", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰",
    "娟", "涛", "明", "超", "秀兰", "霞", "平", "刚", "桂英", "建华", "晓东" };
constexpr std::array kGroups { "家人", "同事", "朋友", "客户", "同学", "供应商", "未分组" };

} // namespace

std::string contactsReply(std::size_t count)
{
    std::vector<test::Row> rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t group = i % kGroups.size();
        std::string name = kSurnames[i % kSurnames.size()];
        name += kGivenNames[(i / kSurnames.size()) % kGivenNames.size()];
        if (i % 3 == 0)
            name += kGivenNames[(i * 7) % kGivenNames.size()];
        std::string phone = "13";
        phone += std::to_string(800000000 + i * 37 % 199999999);
        rows.push_back({
            { "clientno", "100086" },
            { "addressno", std::to_string(200000 + i) },
            { "addressname", name },
            { "phone", phone },
            { "sex", i % 2 ? "1" : "0" },
            { "email", i % 4 == 0 ? "" : "c" + std::to_string(i) + "@mail.example.cn" },
            { "addressgroupid", std::to_string(group + 1) },
            { "addressgroupname", kGroups[group] },
        });
    }
    return test::dataSetReply("http://corvana.example.com/", "QueryClientAddress", "Table", rows);
}

std::string nestedContactsReply(std::size_t bytes, std::size_t& rows)
{
    constexpr std::string_view kOpen = "<Table><sex>";
    constexpr std::string_view kClose = "</sex></Table>";
    constexpr std::string_view kLeaf = "女";
    // The rows go where the one row of a one-contact reply is.
    const std::string shell
        = test::dataSetReply("http://corvana.example.com/", "QueryClientAddress", "Table", { { { "sex", "@" } } });
    const std::size_t rowAt = shell.find("<Table ");
    const std::size_t rowEnd = shell.find("</Table>", rowAt) + std::string_view("</Table>").size();
    const std::size_t room = bytes - (shell.size() - (rowEnd - rowAt)) - kLeaf.size();
    rows = room / (kOpen.size() + kClose.size());
    std::string reply;
    reply.reserve(bytes);
    reply.append(shell, 0, rowAt);
    for (std::size_t i = 0; i < rows; ++i)
        reply += kOpen;
    reply += kLeaf;
    for (std::size_t i = 0; i < rows; ++i)
        reply += kClose;
    reply.append(shell, rowEnd);
    return reply;
}

} // namespace corvana::bench
