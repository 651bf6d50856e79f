#include <mood/LowPassFilter.h>

namespace mood {

namespace {

struct Coefficients {
    std::uint32_t rate;
    float s1a1, s1a2, s2a1, s2a2, gain;
};

// Both sections have b = 1, 2, 1; the gain goes into the second section's b.
constexpr Coefficients kCoefficients[] = {
    {8000, 1.12011278f, -0.402043104f, 0.871199369f, -0.743254304f, 0.0145066027f},
    {11025, 1.36880875f, -0.524335623f, 1.29505479f, -0.789910138f, 0.00454112608f},
    {12000, 1.42103755f, -0.554004133f, 1.37828338f, -0.802487552f, 0.00332810893f},
    {16000, 1.56717825f, -0.645138502f, 1.59387374f, -0.842747867f, 0.00114480918f},
    {22050, 1.68635392f, -0.729088724f, 1.74546432f, -0.880856395f, 0.000341393112f},
    {24000, 1.71188295f, -0.748295963f, 1.77453625f, -0.889595449f, 0.000247205026f},
    {32000, 1.78396392f, -0.8050282f, 1.84935653f, -0.915287495f, 8.19435591e-05f},
    {44100, 1.84324074f, -0.854609191f, 1.90224266f, -0.93746686f, 2.36276064e-05f},
    {48000, 1.85597527f, -0.865624368f, 1.91252315f, -0.942346632f, 1.69794548e-05f},
};

std::int16_t toSample(float y) {
    // Truncation toward zero; the filter can overshoot a full-scale input, so saturate rather
    // than wrap.
    if (y >= 32767.0f) return 32767;
    if (y <= -32767.0f) return -32767;
    return static_cast<std::int16_t>(static_cast<int>(y));
}

}  // namespace

bool LowPassFilter::Configure(std::uint32_t sampleRate) {
    for (const auto& c : kCoefficients) {
        if (c.rate != sampleRate) continue;
        m_sections[0].a1 = c.s1a1;
        m_sections[0].a2 = c.s1a2;
        m_sections[0].b0 = 1.0f;
        m_sections[0].b1 = 2.0f;
        m_sections[0].b2 = 1.0f;
        m_sections[1].a1 = c.s2a1;
        m_sections[1].a2 = c.s2a2;
        m_sections[1].b0 = c.gain * 1.0f;
        m_sections[1].b1 = c.gain * 2.0f;
        m_sections[1].b2 = c.gain * 1.0f;
        return true;
    }
    return false;
}

void LowPassFilter::ClearState() {
    for (auto& s : m_sections) s.w1 = s.w2 = 0.0f;
}

void LowPassFilter::Process(const std::int16_t* in, std::int16_t* out, int count) {
    // Local copies keep the recursion in registers.
    Section s1 = m_sections[0];
    Section s2 = m_sections[1];
    for (int n = 0; n < count; ++n) {
        const float x = in[n];
        const float w = x + s1.a1 * s1.w1 + s1.a2 * s1.w2;
        const float y = s1.b0 * w + s1.b1 * s1.w1 + s1.b2 * s1.w2;
        s1.w2 = s1.w1;
        s1.w1 = w;
        const float v = y + s2.a1 * s2.w1 + s2.a2 * s2.w2;
        const float z = s2.b0 * v + s2.b1 * s2.w1 + s2.b2 * s2.w2;
        s2.w2 = s2.w1;
        s2.w1 = v;
        out[n] = toSample(z);
    }
    m_sections[0] = s1;
    m_sections[1] = s2;
}

}  // namespace mood
