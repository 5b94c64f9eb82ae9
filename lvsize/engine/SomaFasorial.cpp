#include "SomaFasorial.h"

#include <cmath>

void SomaFasorial(float& I, float& fp, float I1, float fp1, float I2, float fp2)
{
    // Single precision throughout, as the stored currents and factors are.
    const float P1 = I1 * fp1;
    const float P2 = I2 * fp2;
    if (P1 <= 0.0f && P2 <= 0.0f) {
        I = 0.0f;
        fp = 0.0f;
        return;
    }
    const float P = P1 + P2;
    const float Q = I1 * std::sqrt(1.0f - fp1 * fp1) + I2 * std::sqrt(1.0f - fp2 * fp2);
    I = std::sqrt(P * P + Q * Q);
    fp = std::cos(std::atan(Q / P));
}
