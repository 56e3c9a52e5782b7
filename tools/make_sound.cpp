// Writes the program's sound, a short rising two-note chime, as a wave file
// (16-bit PCM, mono). Usage: stapelwerk_make_sound OUTPUT.WAV

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kLength = 0.6;  // seconds

struct Note {
    double start;      // seconds
    double frequency;  // Hz
    double loudness;   // 0..1
};

// A bell-like note: the tone and a softer octave, a 5 ms attack against clicks, then a
// decay.
double note(const Note& n, double t) {
    const double since = t - n.start;
    if (since < 0) return 0;
    const double attack = std::min(1.0, since / 0.005);
    const double decay = std::exp(-since / 0.16);
    const double phase = 2 * std::numbers::pi * n.frequency * since;
    return n.loudness * attack * decay * (std::sin(phase) + 0.3 * std::sin(2 * phase));
}

void putLittleEndian(std::string& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string wave(const std::vector<std::int16_t>& samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    putLittleEndian(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    putLittleEndian(bytes, 16, 4);         // size of the format block
    putLittleEndian(bytes, 1, 2);          // PCM
    putLittleEndian(bytes, 1, 2);          // mono
    putLittleEndian(bytes, kRate, 4);      // samples per second
    putLittleEndian(bytes, kRate * 2, 4);  // bytes per second
    putLittleEndian(bytes, 2, 2);          // bytes per sample
    putLittleEndian(bytes, 16, 2);         // bits per sample
    bytes += "data";
    putLittleEndian(bytes, dataSize, 4);
    for (const std::int16_t sample : samples) {
        putLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    }
    return bytes;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: stapelwerk_make_sound OUTPUT.WAV\n";
        return 2;
    }
    const Note notes[] = {{0.0, 880.0, 0.45}, {0.11, 1318.5, 0.4}};
    const int count = static_cast<int>(kLength * kRate);
    std::vector<std::int16_t> samples;
    samples.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double value = 0;
        for (const Note& n : notes) value += note(n, t);
        const double fadeOut = std::min(1.0, (kLength - t) / 0.05);
        samples.push_back(static_cast<std::int16_t>(std::lround(value * fadeOut * 32767 * 0.8)));
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << wave(samples);
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
