#include "hsv.h"

void rgb_to_hsv(const fcolor& RGB, fcolor& HSV)
{
    HSV[3] = RGB[3];
    float R = RGB[0], G = RGB[1], B = RGB[2];

    // Ties go to the earlier channel: yellow is measured from red, cyan from green.
    float Max;
    int MaxID;
    if (G > R)
    {
        if (B > G) { Max = B; MaxID = 2; }
        else { Max = G; MaxID = 1; }
    }
    else
    {
        if (B > R) { Max = B; MaxID = 2; }
        else { Max = R; MaxID = 0; }
    }
    float Min = R;
    if (G < Min) Min = G;
    if (B < Min) Min = B;

    HSV[2] = Max;
    if (Max == 0.0f)
    {
        HSV[0] = 0.0f;
        HSV[1] = 0.0f;
        return;
    }
    float Delta = Max - Min;
    HSV[1] = Delta / Max;
    if (HSV[1] == 0.0f)
    {
        HSV[0] = 0.0f;
        return;
    }
    float H;
    if (MaxID == 0)
        H = (G - B) / Delta;
    else if (MaxID == 1)
        H = (B - R) / Delta + 2.0f;
    else
        H = (R - G) / Delta + 4.0f;
    H /= 6.0f;
    while (H < 0.0f) H += 1.0f;
    while (H > 1.0f) H -= 1.0f;
    HSV[0] = H;
}

fcolor rgb_to_hsv(const fcolor& RGB)
{
    fcolor HSV;
    rgb_to_hsv(RGB, HSV);
    return HSV;
}

void hsv_to_rgb(const fcolor& HSV, fcolor& RGB)
{
    RGB[3] = HSV[3];
    float H = HSV[0], S = HSV[1], V = HSV[2];
    const double Third = 1.0 / 3.0, TwoThirds = 2.0 / 3.0, Step = 1.0 / 6.0;
    float r, g, b;
    if (H < Third)
    {
        r = (float)((Third - H) / Step);
        g = (float)(H / Step);
        b = 0.0f;
    }
    else if (H < TwoThirds)
    {
        r = 0.0f;
        g = (float)((TwoThirds - H) / Step);
        b = (float)((H - Third) / Step);
    }
    else
    {
        r = (float)((H - TwoThirds) / Step);
        g = 0.0f;
        b = (float)((1.0 - H) / Step);
    }
    if (r > 1.0f) r = 1.0f;
    if (g > 1.0f) g = 1.0f;
    if (b > 1.0f) b = 1.0f;
    RGB[0] = V * ((1.0f - S) + S * r);
    RGB[1] = V * ((1.0f - S) + S * g);
    RGB[2] = V * ((1.0f - S) + S * b);
}

fcolor hsv_to_rgb(const fcolor& HSV)
{
    fcolor RGB;
    hsv_to_rgb(HSV, RGB);
    return RGB;
}

double hue_distance(double Hue0, double Hue1)
{
    double A, B;
    if (Hue1 > Hue0)
    {
        A = Hue1 - Hue0;
        B = 1.0 + Hue0 - Hue1;
    }
    else
    {
        A = Hue0 - Hue1;
        B = 1.0 + Hue1 - Hue0;
    }
    return A < B ? A : B;
}
