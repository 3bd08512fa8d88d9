#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace xls {

// Little-endian integers as the binary file formats store them.
inline void appendU8(std::string& out, std::uint8_t value)
{
    out.push_back(static_cast<char>(value));
}

inline void appendU16(std::string& out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

inline void appendU32(std::string& out, std::uint32_t value)
{
    appendU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    appendU16(out, static_cast<std::uint16_t>(value >> 16));
}

inline void storeU16(char* at, std::uint16_t value)
{
    at[0] = static_cast<char>(value & 0xFF);
    at[1] = static_cast<char>(value >> 8);
}

inline void storeU32(char* at, std::uint32_t value)
{
    storeU16(at, static_cast<std::uint16_t>(value & 0xFFFF));
    storeU16(at + 2, static_cast<std::uint16_t>(value >> 16));
}

// Readers of the same; the caller has checked that the bytes are there.
inline std::uint16_t loadU16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(
        static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

inline std::uint32_t loadU32(std::string_view bytes, std::size_t at)
{
    return loadU16(bytes, at) | static_cast<std::uint32_t>(loadU16(bytes, at + 2)) << 16;
}

} // namespace xls
