// Implementation of the synthesis building blocks. Everything is computed in
// double precision and in a fixed order, so the output is reproducible.
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace kolvar::sounds
{

std::size_t samples_for(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * sample_rate));
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

Biquad Biquad::lowpass(double cutoff_hz, double q)
{
    const double w = 2.0 * pi * cutoff_hz / sample_rate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return {(1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

Biquad Biquad::highpass(double cutoff_hz, double q)
{
    const double w = 2.0 * pi * cutoff_hz / sample_rate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    return {(1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha};
}

Biquad Biquad::bandpass(double centre_hz, double q)
{
    const double w = 2.0 * pi * centre_hz / sample_rate;
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

double exp_decay(double t, double tau)
{
    return std::exp(-t / tau);
}

void shape_attack_decay(Signal& s, double attack, double tau)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = time_of(i);
        const double rise = t < attack ? 0.5 - 0.5 * std::cos(pi * t / attack) : 1.0;
        s[i] *= rise * exp_decay(t, tau);
    }
}

Signal damped_sine(double freq_hz, double tau, double duration)
{
    Signal out(samples_for(duration));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = time_of(i);
        out[i] = std::sin(2.0 * pi * freq_hz * t) * exp_decay(t, tau);
    }
    return out;
}

void mix_into(Signal& dst, const Signal& src, std::size_t offset, double gain)
{
    if (dst.size() < offset + src.size()) dst.resize(offset + src.size(), 0.0);
    for (std::size_t i = 0; i < src.size(); ++i)
        dst[offset + i] += gain * src[i];
}

double mean_of(const Signal& s)
{
    if (s.empty()) return 0.0;
    double sum = 0.0;
    for (double x : s)
        sum += x;
    return sum / static_cast<double>(s.size());
}

void remove_dc(Signal& s)
{
    const double m = mean_of(s);
    for (double& x : s)
        x -= m;
}

void fade_edges(Signal& s, double fade_in, double fade_out)
{
    const std::size_t n_in = std::min(samples_for(fade_in), s.size());
    const std::size_t n_out = std::min(samples_for(fade_out), s.size());
    // Gains run from 0 at the very first and very last sample up to 1.
    for (std::size_t i = 0; i < n_in; ++i)
        s[i] *= 0.5 - 0.5 * std::cos(pi * static_cast<double>(i) / static_cast<double>(n_in));
    for (std::size_t i = 0; i < n_out; ++i)
        s[s.size() - 1 - i] *=
            0.5 - 0.5 * std::cos(pi * static_cast<double>(i) / static_cast<double>(n_out));
}

double peak_of(const Signal& s)
{
    double p = 0.0;
    for (double x : s)
        p = std::max(p, std::abs(x));
    return p;
}

void normalise(Signal& s, double target_peak)
{
    const double p = peak_of(s);
    if (p <= 0.0) return;
    const double g = target_peak / p;
    for (double& x : s)
        x *= g;
}

void finish(Signal& s, double fade_in, double fade_out, double target_peak)
{
    // Removing DC first and fading after means the ends reach exactly zero;
    // the fades themselves move the mean only negligibly. Normalising last
    // guarantees the peak whatever the earlier steps did.
    remove_dc(s);
    fade_edges(s, fade_in, fade_out);
    normalise(s, target_peak);
}

} // namespace kolvar::sounds
