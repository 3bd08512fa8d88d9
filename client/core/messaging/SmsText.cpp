#include "core/messaging/SmsText.h"

#include "common/SmsParts.h"

namespace smsText {

QString message(const QString& content, const QString& signature)
{
    if (signature.isEmpty())
        return content;
    return QStringLiteral("%1[%2]").arg(content, signature);
}

int length(const QString& text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate())
            ++count;
    }
    return count;
}

int billedMessages(int length)
{
    return length <= 0 ? 0 : int(smsParts::count(std::size_t(length)));
}

} // namespace smsText
