// RGB <-> HSV with hue in whole turns (0 red, 1/3 green, 2/3 blue); the world sorts map pixels into
// terrain by hue with these.
#pragma once

#include "vecco.h"

void rgb_to_hsv(const fcolor& RGB, fcolor& HSV);
fcolor rgb_to_hsv(const fcolor& RGB);
void hsv_to_rgb(const fcolor& HSV, fcolor& RGB);
fcolor hsv_to_rgb(const fcolor& HSV);
double hue_distance(double Hue0, double Hue1);
