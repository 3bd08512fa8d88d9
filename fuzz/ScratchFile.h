#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// The readers that take a path get each input through one file of this process,
// rewritten per input and removed at exit. It lives in $TMPDIR (memory-backed on
// most machines), named by process so that parallel fuzzing jobs keep apart.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& extension)
        : m_path(std::filesystem::temp_directory_path()
              / ("corvana-fuzz-" + std::to_string(::getpid()) + "-" + std::to_string(s_count++) + extension))
    {
    }
    ~ScratchFile()
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& write(const std::uint8_t* data, std::size_t size)
    {
        std::ofstream(m_path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
            static_cast<std::streamsize>(size));
        m_text = m_path.string();
        return m_text;
    }

private:
    static inline int s_count = 0;
    std::filesystem::path m_path;
    std::string m_text;
};
