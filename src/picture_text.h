// The words of the rules' and the results' pictures in a language other than English: the pictures come
// without words (the art generator draws both), and the words are drawn over them where the English ones
// stand (picture_words.h), each as large as its place allows. In English the pictures carry their own.
#pragma once

#include "vecco.h"

class font;
class texture;

// Whether the pictures' words are drawn, not painted: a language other than English is spoken.
bool words_drawn();
// The results' pictures for 0 to 3 medals (Which 0 to 3) and the rules' (4), without their words; loaded
// when first asked for, so that in English they never are and start-up stays as it was.
texture* picture_without_words(int Which);
// The size of the rules' rows, and of the results' lines, over a picture Side across.
double rules_words_size(const font& Letters, double Side);
double result_words_size(const font& Letters, double Side);
// The rules' words over the rules picture drawn at Centre with half-side Radius; blending on.
void draw_rules_words(const font& Letters, const rpos& Centre, double Radius);
// The results' words for Medals (0 to 3) over the results picture drawn at Centre with half-side Radius.
void draw_result_words(const font& Letters, int Medals, const rpos& Centre, double Radius);
