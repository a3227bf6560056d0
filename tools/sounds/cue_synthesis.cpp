// How each cue is composed. Every cue is built from a few layered events,
// then finished (DC removed, edges faded, normalised below full scale).
// Each noise source has its own fixed seed so the cues are reproducible and
// independent of one another.
#include "cue_synthesis.h"

#include "game/cues.h"

#include <cmath>

namespace kolvar::sounds {
namespace {

// Percussive cues start their first event a moment in, so the click-free
// fade-in acts on the leading edge without blunting the hit itself.
constexpr double kLeadIn = 0.001;
constexpr double kFadeIn = 0.002;

// A burst of noise shaped by an attack/decay envelope.
Signal noiseBurst(Noise& noise, double duration, double attack, double tau)
{
    Signal s = noise.render(samplesFor(duration));
    shapeAttackDecay(s, attack, tau);
    return s;
}

// One click of a shutter mechanism: a bright noise snap, a metallic ring and
// the lower knock of the camera body.
Signal shutterClick(Noise& noise, double ringHz, double bodyHz, double snapTau)
{
    Signal snap = noiseBurst(noise, 0.030, 0.0003, snapTau);
    snap = Biquad::highpass(2000.0, 0.707).process(snap);

    // Long enough (8+ time constants) that both rings die out on their own.
    Signal ring = dampedSine(ringHz, 0.006, 0.060);
    shapeAttackDecay(ring, 0.0003, 1e9); // only the attack, to avoid a step
    Signal body = dampedSine(bodyHz, 0.008, 0.070);
    shapeAttackDecay(body, 0.0005, 1e9);

    Signal out;
    mixInto(out, snap, 0, 1.0);
    mixInto(out, ring, 0, 0.45);
    mixInto(out, body, 0, 0.5);
    return out;
}

} // namespace

Signal renderClick()
{
    // A card tapped on felt: mostly a soft, low "tock" from the table with a
    // little muffled noise for the card edge. Everything above ~3 kHz is
    // rolled off so it stays gentle.
    constexpr double length = 0.060;
    Noise noise(0x4B4F4C5641520001ull);

    Signal tap = noiseBurst(noise, 0.030, 0.0006, 0.004);
    tap = Biquad::lowpass(2800.0, 0.707).process(tap);

    Signal thump = dampedSine(220.0, 0.007, length);
    shapeAttackDecay(thump, 0.001, 1e9);
    Signal tick = dampedSine(950.0, 0.004, 0.030);
    shapeAttackDecay(tick, 0.0005, 1e9);

    Signal out(samplesFor(length), 0.0);
    const std::size_t at = samplesFor(kLeadIn);
    mixInto(out, tap, at, 0.7);
    mixInto(out, thump, at, 0.8);
    mixInto(out, tick, at, 0.3);
    out.resize(samplesFor(length));
    finish(out, kFadeIn, 0.006, 0.70);
    return out;
}

Signal renderLaser()
{
    // An exponential glide from 2000 Hz down to 200 Hz with a quick, shallow
    // vibrato and two quieter harmonics, fading out as it falls.
    constexpr double length = 0.340;
    constexpr double startHz = 2000.0;
    constexpr double endHz = 200.0;
    constexpr double vibratoHz = 28.0;
    constexpr double vibratoDepth = 0.025;

    Signal out(samplesFor(length));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double u = t / length;
        const double glide = startHz * std::pow(endHz / startHz, u);
        const double f = glide * (1.0 + vibratoDepth * std::sin(2.0 * kPi * vibratoHz * t));
        const double tone =
            std::sin(phase) + 0.30 * std::sin(2.0 * phase) + 0.12 * std::sin(3.0 * phase);
        const double rise = t < 0.004 ? 0.5 - 0.5 * std::cos(kPi * t / 0.004) : 1.0;
        out[i] = tone * rise * std::pow(1.0 - u, 1.5);
        phase = std::fmod(phase + 2.0 * kPi * f / kSampleRate, 2.0 * kPi);
    }
    // Soften the top harmonics of the highest part of the sweep.
    out = Biquad::lowpass(4500.0, 0.707).process(out);
    // A sustained tone sounds far louder than a transient of the same peak,
    // so the sweep is kept lower to sit level with the other cues.
    finish(out, kFadeIn, 0.010, 0.55);
    return out;
}

Signal renderClap()
{
    // A hand clap: several hands' worth of skin slaps arriving a few
    // milliseconds apart, then a short diffuse tail, all band-limited to the
    // 1-2.5 kHz region where a clap's "crack" lives.
    constexpr double length = 0.220;
    Noise noise(0x4B4F4C5641520002ull);

    struct Burst {
        double at;
        double gain;
    };
    constexpr Burst bursts[] = {{0.0, 1.0}, {0.0085, 0.85}, {0.0175, 0.95}, {0.0270, 0.80}};

    Signal dry(samplesFor(length), 0.0);
    const std::size_t start = samplesFor(kLeadIn);
    for (const Burst& b : bursts)
        mixInto(dry, noiseBurst(noise, 0.012, 0.0005, 0.0025), start + samplesFor(b.at), b.gain);
    const Signal tail = noiseBurst(noise, length, 0.001, 0.045);
    mixInto(dry, tail, start + samplesFor(bursts[3].at), 0.55);
    dry.resize(samplesFor(length));

    const Signal low = Biquad::bandpass(1400.0, 1.1).process(dry);
    const Signal high = Biquad::bandpass(2300.0, 1.3).process(dry);
    Signal out;
    mixInto(out, low, 0, 1.0);
    mixInto(out, high, 0, 0.5);
    // The band-passes alone fall off gently; these trim the hiss above and the
    // rumble below so the clap stays in its band.
    out = Biquad::lowpass(4000.0, 0.707).process(out);
    out = Biquad::highpass(600.0, 0.707).process(out);
    finish(out, kFadeIn, 0.010, 0.85);
    return out;
}

Signal renderCamera()
{
    // A camera shutter: the first click as the shutter opens, a short geared
    // whirr of the mechanism, and a second, slightly duller click as it closes.
    constexpr double length = 0.260;
    constexpr double whirrAt = 0.018;
    constexpr double whirrLength = 0.140;
    constexpr double secondClickAt = 0.172;
    Noise noise(0x4B4F4C5641520003ull);

    const Signal open = shutterClick(noise, 3400.0, 520.0, 0.0018);

    // Band-passed noise pulsed at the gear-tooth rate, swelling in and out.
    Signal whirr = noise.render(samplesFor(whirrLength));
    whirr = Biquad::bandpass(1100.0, 2.0).process(whirr);
    for (std::size_t i = 0; i < whirr.size(); ++i) {
        const double t = timeOf(i);
        const double teeth = 0.55 + 0.45 * std::sin(2.0 * kPi * 95.0 * t);
        const double rise = t < 0.015 ? 0.5 - 0.5 * std::cos(kPi * t / 0.015) : 1.0;
        const double left = whirrLength - t;
        const double fall = left < 0.025 ? 0.5 - 0.5 * std::cos(kPi * left / 0.025) : 1.0;
        whirr[i] *= teeth * rise * fall;
    }

    const Signal close = shutterClick(noise, 2700.0, 430.0, 0.0022);

    Signal out(samplesFor(length), 0.0);
    const std::size_t start = samplesFor(kLeadIn);
    mixInto(out, open, start, 1.0);
    mixInto(out, whirr, start + samplesFor(whirrAt), 1.5);
    mixInto(out, close, start + samplesFor(secondClickAt), 0.8);
    out.resize(samplesFor(length));
    finish(out, kFadeIn, 0.008, 0.85);
    return out;
}

const std::array<Cue, 4>& allCues()
{
    static const std::array<Cue, 4> cues = {{
        {kHumanLayCue, renderClick, 0.040, 0.080},
        {kHumanTakeCue, renderLaser, 0.250, 0.400},
        {kComputerLayCue, renderClap, 0.150, 0.250},
        {kComputerTakeCue, renderCamera, 0.150, 0.300},
    }};
    return cues;
}

} // namespace kolvar::sounds
