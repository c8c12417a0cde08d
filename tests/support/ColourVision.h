#pragma once

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvane::testing {

// How a colour looks with normal vision and to a dichromat, compared in CIE
// 1976 L*a*b* under D65: the simulation of Machado, Oliveira and Fernandes
// (2009) at full severity, applied to linear sRGB and clipped to [0, 1].
enum class Vision { normal, protanopia, deuteranopia, tritanopia };

inline constexpr std::array<Vision, 4> kVisions{Vision::normal, Vision::protanopia, Vision::deuteranopia,
                                                Vision::tritanopia};

inline const char* VisionName(Vision vision)
{
    constexpr std::array<const char*, 4> names{"normal", "protan", "deutan", "tritan"};
    return names[static_cast<std::size_t>(vision)];
}

using Triple = std::array<double, 3>;
using Matrix = std::array<Triple, 3>;

inline Triple Times(const Matrix& m, const Triple& v)
{
    Triple out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return out;
}

inline double DecodeSrgb(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline Triple Simulate(Vision vision, const Triple& linear)
{
    static constexpr std::array<Matrix, 3> kDichromats{{
        {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
        {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
        {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
    }};
    if (vision == Vision::normal)
        return linear;
    Triple seen = Times(kDichromats[static_cast<std::size_t>(vision) - 1], linear);
    for (double& c : seen)
        c = std::clamp(c, 0.0, 1.0);
    return seen;
}

inline Triple ToLab(const Triple& linear)
{
    static constexpr Matrix kToXyz{{{0.4124564, 0.3575761, 0.1804375},
                                    {0.2126729, 0.7151522, 0.0721750},
                                    {0.0193339, 0.1191920, 0.9503041}}};
    static constexpr Triple kWhite{0.95047, 1.0, 1.08883};
    const Triple xyz = Times(kToXyz, linear);
    const auto f = [](double t) {
        constexpr double d = 6.0 / 29.0;
        return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29.0;
    };
    const double fx = f(xyz[0] / kWhite[0]), fy = f(xyz[1] / kWhite[1]), fz = f(xyz[2] / kWhite[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

// The difference between two 8-bit sRGB colours as `vision` sees them.
inline double DeltaE(Vision vision, const std::array<int, 3>& one, const std::array<int, 3>& other)
{
    const auto seen = [vision](const std::array<int, 3>& rgb) {
        return ToLab(Simulate(vision, {DecodeSrgb(rgb[0]), DecodeSrgb(rgb[1]), DecodeSrgb(rgb[2])}));
    };
    const Triple a = seen(one), b = seen(other);
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

}  // namespace quorvane::testing
