#pragma once
// The phasor sum of two (current, power factor) pairs. Every current total of both sizing engines goes
// through it; the outputs may be the same storage as the inputs, since callers accumulate in place.

void SomaFasorial(float& I, float& fp, float I1, float fp1, float I2, float fp2);

// A current and a limit it may equal (NBR 5410 5.3.4.1: IB <= In <= Iz; NBR 14039: I <= Iz) are compared
// with equality holding. Design currents are single-precision phasor sums, which may land a few units in
// the last place above a current they equal (100 A at pf 0.90 sums to 100.000008 A), and the limits are
// single-precision products: a current exceeds a limit only beyond this relative tolerance.
inline constexpr double TOLERANCIA_CORRENTE = 1e-6;
inline bool ExcedeCorrente(float corrente, float limite)
{
    return static_cast<double>(corrente) > static_cast<double>(limite) * (1.0 + TOLERANCIA_CORRENTE);
}
