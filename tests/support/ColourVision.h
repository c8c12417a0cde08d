#pragma once

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvane::testing {

// Colours as normal vision and the three dichromacies see them: Machado,
// Oliveira and Fernandes (2009) at full severity on linear sRGB, clipped to
// [0, 1], compared in CIE 1976 L*a*b* with the D65 white.
using Triple = std::array<double, 3>;
using Matrix = std::array<Triple, 3>;
using Rgb8 = std::array<int, 3>;

struct Vision {
    const char* name;
    Matrix simulation;
};

inline constexpr std::array<Vision, 4> kVisions{{
    {"normal", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"protan", {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"deutan", {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"tritan", {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
}};

inline Triple Times(const Matrix& m, const Triple& v)
{
    Triple out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return out;
}

inline Triple LabSeen(const Vision& vision, const Rgb8& rgb)
{
    constexpr Matrix kToXyz{{{0.4124564, 0.3575761, 0.1804375},
                             {0.2126729, 0.7151522, 0.0721750},
                             {0.0193339, 0.1191920, 0.9503041}}};
    constexpr Triple kWhite{0.95047, 1.0, 1.08883};
    Triple linear{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double c = rgb[i] / 255.0;
        linear[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    Triple seen = Times(vision.simulation, linear);
    for (double& c : seen)
        c = std::clamp(c, 0.0, 1.0);
    const Triple xyz = Times(kToXyz, seen);
    Triple f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double t = xyz[i] / kWhite[i];
        f[i] = t > 216.0 / 24389 ? std::cbrt(t) : t * 841.0 / 108 + 4.0 / 29;  // (6/29)³, 1 / (3 (6/29)²)
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

inline double DeltaE(const Vision& vision, const Rgb8& one, const Rgb8& other)
{
    const Triple a = LabSeen(vision, one), b = LabSeen(vision, other);
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

}  // namespace quorvane::testing
