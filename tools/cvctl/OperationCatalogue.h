#pragma once

#include "OperationEntry.h"

#include <string_view>
#include <vector>

namespace cvctl {

// Every CCvService operation, under its exact name, with its inputs in call order.
class OperationCatalogue {
public:
    static const std::vector<OperationEntry>& all();
    static const OperationEntry* find(std::string_view name);
};

} // namespace cvctl
