// Implementation of the synthesis building blocks. Everything is computed in
// double precision and in a fixed order, so the output is reproducible.
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace kolvar::sounds {

std::size_t samplesFor(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

Noise::Noise(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}

double Noise::next()
{
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t r = state_ * 0x2545F4914F6CDD1Dull;
    // The top 53 bits give a uniform double in [0, 1).
    const double unit = static_cast<double>(r >> 11) * (1.0 / 9007199254740992.0);
    return unit * 2.0 - 1.0;
}

Signal Noise::render(std::size_t count)
{
    Signal out(count);
    for (double& x : out)
        x = next();
    return out;
}

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0)
{
}

Biquad Biquad::lowpass(double cutoffHz, double q)
{
    const double w = 2.0 * kPi * cutoffHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return {(1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

Biquad Biquad::highpass(double cutoffHz, double q)
{
    const double w = 2.0 * kPi * cutoffHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return {(1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

Biquad Biquad::bandpass(double centreHz, double q)
{
    const double w = 2.0 * kPi * centreHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return {alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha};
}

double Biquad::process(double x)
{
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

Signal Biquad::process(const Signal& in)
{
    Signal out(in.size());
    for (std::size_t i = 0; i < in.size(); ++i)
        out[i] = process(in[i]);
    return out;
}

double expDecay(double t, double tau)
{
    return std::exp(-t / tau);
}

void shapeAttackDecay(Signal& s, double attack, double tau)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        const double rise = t < attack ? 0.5 - 0.5 * std::cos(kPi * t / attack) : 1.0;
        s[i] *= rise * expDecay(t, tau);
    }
}

Signal dampedSine(double freqHz, double tau, double duration)
{
    Signal out(samplesFor(duration));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        out[i] = std::sin(2.0 * kPi * freqHz * t) * expDecay(t, tau);
    }
    return out;
}

void mixInto(Signal& dst, const Signal& src, std::size_t offset, double gain)
{
    if (dst.size() < offset + src.size())
        dst.resize(offset + src.size(), 0.0);
    for (std::size_t i = 0; i < src.size(); ++i)
        dst[offset + i] += gain * src[i];
}

double meanOf(const Signal& s)
{
    if (s.empty())
        return 0.0;
    double sum = 0.0;
    for (double x : s)
        sum += x;
    return sum / static_cast<double>(s.size());
}

void removeDc(Signal& s)
{
    const double m = meanOf(s);
    for (double& x : s)
        x -= m;
}

void fadeEdges(Signal& s, double fadeIn, double fadeOut)
{
    const std::size_t fadeInSamples = std::min(samplesFor(fadeIn), s.size());
    const std::size_t fadeOutSamples = std::min(samplesFor(fadeOut), s.size());
    // Gains run from 0 at the very first and very last sample up to 1.
    for (std::size_t i = 0; i < fadeInSamples; ++i)
        s[i] *=
            0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(fadeInSamples));
    for (std::size_t i = 0; i < fadeOutSamples; ++i)
        s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) /
                                                    static_cast<double>(fadeOutSamples));
}

double peakOf(const Signal& s)
{
    double p = 0.0;
    for (double x : s)
        p = std::max(p, std::abs(x));
    return p;
}

void normalise(Signal& s, double targetPeak)
{
    const double p = peakOf(s);
    if (p <= 0.0)
        return;
    const double g = targetPeak / p;
    for (double& x : s)
        x *= g;
}

void finish(Signal& s, double fadeIn, double fadeOut, double targetPeak)
{
    // Removing DC first and fading after means the ends reach exactly zero;
    // the fades themselves move the mean only negligibly. Normalising last
    // guarantees the peak whatever the earlier steps did.
    removeDc(s);
    fadeEdges(s, fadeIn, fadeOut);
    normalise(s, targetPeak);
}

} // namespace kolvar::sounds
