#pragma once

#include "Operation.h"

#include <map>
#include <string>

namespace cvservice {

class OperationTable {
public:
    void add(Operation operation);
    const Operation* find(const std::string& name) const;
    std::size_t size() const { return m_operations.size(); }

private:
    std::map<std::string, Operation> m_operations;
};

} // namespace cvservice
