#pragma once

#include <string>

namespace cvservice {

// The audio a recording's address serves: a short WAV file synthesised from the
// conference id, so every recording sounds different and costs no disk space.
class RecordingAudio {
public:
    static constexpr int kSampleRate = 8000;
    static constexpr int kMaxSeconds = 8;

    static std::string path(const std::string& token); // "/recordings/<token>.wav"
    static std::string wav(const std::string& conferenceId, int recordedSeconds);
};

} // namespace cvservice
