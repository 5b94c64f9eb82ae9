#pragma once
// The phasor sum of two (current, power factor) pairs. Every current total of both sizing engines goes
// through it; the outputs may be the same storage as the inputs, since callers accumulate in place.

void SomaFasorial(float& I, float& fp, float I1, float fp1, float I2, float fp2);
