#include "web/RecordingAudio.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace cvservice {

namespace {

void put16(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void put32(std::string& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

std::string RecordingAudio::path(const std::string& token)
{
    return "/recordings/" + token + ".wav";
}

std::string RecordingAudio::wav(const std::string& conferenceId, int recordedSeconds)
{
    const int seconds = std::clamp(recordedSeconds, 1, kMaxSeconds);
    const std::uint32_t samples = static_cast<std::uint32_t>(seconds * kSampleRate);
    std::string out;
    out.reserve(44 + samples * 2);
    out += "RIFF";
    put32(out, 36 + samples * 2);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, samples * 2);

    // A few notes of a pentatonic scale, chosen by the id, each half a second with
    // a soft attack and release so the file plays without clicks.
    static constexpr double kScale[] = { 261.63, 293.66, 329.63, 392.00, 440.00, 523.25 };
    std::size_t seed = std::hash<std::string> {}(conferenceId);
    const std::uint32_t noteLength = kSampleRate / 2;
    double frequency = kScale[0];
    for (std::uint32_t i = 0; i < samples; ++i) {
        const std::uint32_t inNote = i % noteLength;
        if (inNote == 0) {
            frequency = kScale[seed % 6];
            seed = seed / 6 + 7919 * (i / noteLength + 1);
        }
        const double t = static_cast<double>(i) / kSampleRate;
        const double envelope = std::min({ 1.0, inNote / 400.0, (noteLength - inNote) / 800.0 });
        const double value
            = 0.3 * envelope * (std::sin(2 * M_PI * frequency * t) + 0.3 * std::sin(4 * M_PI * frequency * t));
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 32767 / 1.3)));
    }
    return out;
}

} // namespace cvservice
