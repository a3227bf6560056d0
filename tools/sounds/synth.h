// The building blocks the sound cues are made of: seeded noise, sine
// oscillators, envelopes, biquad filters, and the finishing steps (DC removal,
// edge fades, normalisation) that keep every cue click-free and unclipped.
// Signals are plain vectors of doubles in [-1, 1] at a fixed sample rate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kolvar::sounds {

constexpr double kSampleRate = 44100.0;
constexpr double kPi = 3.14159265358979323846;

using Signal = std::vector<double>;

// Number of samples covering the given duration.
std::size_t samplesFor(double seconds);

// Time in seconds of sample index i.
inline double timeOf(std::size_t i)
{
    return static_cast<double>(i) / kSampleRate;
}

// White noise from a fixed seed (xorshift64*), so every run renders the same
// bytes on every machine.
class Noise {
public:
    explicit Noise(std::uint64_t seed);
    // Next value, uniform in [-1, 1).
    double next();
    Signal render(std::size_t count);

private:
    std::uint64_t state_;
};

// A second-order filter (the usual audio-cookbook biquads) run sample by sample.
class Biquad {
public:
    static Biquad lowpass(double cutoffHz, double q);
    static Biquad highpass(double cutoffHz, double q);
    // Constant 0 dB peak gain at the centre frequency.
    static Biquad bandpass(double centreHz, double q);

    double process(double x);
    Signal process(const Signal& in);

private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// exp(-t / tau): the natural decay of a struck or plucked object.
double expDecay(double t, double tau);

// Multiplies the signal by an attack/decay envelope: a raised-cosine rise over
// attack seconds, then exponential decay with time constant tau.
void shapeAttackDecay(Signal& s, double attack, double tau);

// A decaying sine "ping" (a resonance of wood, metal or a table top).
Signal dampedSine(double freqHz, double tau, double duration);

// Adds src * gain into dst starting at sample offset, growing dst if needed.
void mixInto(Signal& dst, const Signal& src, std::size_t offset, double gain);

// Subtracts the mean so the cue carries no DC offset.
void removeDc(Signal& s);

// Raised-cosine fades over the first and last few milliseconds, so playback
// starts and stops without a click.
void fadeEdges(Signal& s, double fadeIn, double fadeOut);

// Scales the signal so its largest magnitude equals targetPeak.
void normalise(Signal& s, double targetPeak);

double peakOf(const Signal& s);
double meanOf(const Signal& s);

// DC removal, edge fades and normalisation, in the order that keeps all three.
void finish(Signal& s, double fadeIn, double fadeOut, double targetPeak);

} // namespace kolvar::sounds
