#pragma once

#include <stdexcept>

namespace cvservice {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace cvservice
