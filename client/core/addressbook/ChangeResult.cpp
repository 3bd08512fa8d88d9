#include "core/addressbook/ChangeResult.h"

#include "core/service/ResultText.h"

int ChangeResult(const std::string& resultText)
{
    const std::vector<std::string> fields = ResultText::fields(resultText);
    return fields.empty() ? 0 : ResultText::toInt(fields.front());
}
