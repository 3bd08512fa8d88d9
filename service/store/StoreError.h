#pragma once

#include <stdexcept>
#include <string>

namespace cvservice {

class StoreError : public std::runtime_error {
public:
    explicit StoreError(const std::string& message, bool duplicate = false)
        : std::runtime_error(message)
        , m_duplicate(duplicate)
    {
    }

    // A UNIQUE constraint refused the change: the value is taken already.
    bool duplicate() const { return m_duplicate; }

private:
    bool m_duplicate;
};

} // namespace cvservice
