#include "OperationTable.h"

#include <stdexcept>

namespace cvservice {

void OperationTable::add(Operation operation)
{
    const std::string name = operation.name;
    if (!m_operations.emplace(name, std::move(operation)).second)
        throw std::logic_error("operation registered twice: " + name);
}

const Operation* OperationTable::find(const std::string& name) const
{
    const auto it = m_operations.find(name);
    return it == m_operations.end() ? nullptr : &it->second;
}

} // namespace cvservice
