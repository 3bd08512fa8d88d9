#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CCvService;

namespace cvctl {

enum class ArgumentKind { Text, Int };

struct Parameter {
    std::string name;
    ArgumentKind kind = ArgumentKind::Text;
};

// What one call gave back: the status, the result text (for operations that have
// one) and every other out-parameter as NAME and VALUE, in signature order.
struct CallOutcome {
    int status = 0;
    std::optional<std::string> resultText;
    std::vector<std::pair<std::string, std::string>> values;
};

// One service operation as the command line sees it. invoke expects exactly one
// argument per parameter, already checked against its kind.
struct OperationEntry {
    std::string name;
    std::vector<Parameter> parameters;
    std::vector<std::string> outputs; // labels of the out-parameters; kResultText for the result text
    std::function<CallOutcome(CCvService&, const std::vector<std::string>&)> invoke;
};

// The label of the out-parameter that is printed alone on the second line.
inline constexpr const char* kResultText = "";

} // namespace cvctl
