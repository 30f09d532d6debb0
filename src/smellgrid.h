// A scent field over the whole map, 5 cells per world unit: sources deposit pyramid-shaped puffs,
// the field fades every frame, creatures sniff it point-wise. The world owns two of them.
#pragma once

#include "rngen.h"
#include "rstate.h"
#include "vecco.h"

#include <vector>

enum smell_types
{
    smell_pollen = 0,
    smell_bee = 1,
    SMELL_SIZE = 2
};

class smellgrid
{
public:
    // Every cell keeps this share of its scent at each update, whatever the frame's time.
    static constexpr double FADE = 0.85;

    iloc grid_size; // cells across, cells down
    int num_grid_points;
    std::vector<double> grid_data; // row-major, never negative
    fcolor smell_color;
    bool bright_flag; // additive blending
    rngen RN;
    double wave_phases[2][5];
    double wave_freqs[2][5];
    double wave_counter;

    smellgrid();
    virtual ~smellgrid();

    void init(const rpos& WorldSize, const fcolor& SmellColor, bool BrightFlag, rngen& RN1);
    // Fades by a fixed factor per call, whatever T is.
    void update(double T);
    void render(rstate& R);

    double sniff(const rpos& WorldPos);
    void scent(const rpos& WorldPos, double Radius, double Smelliness);
    // Clamped to the grid: points off the map read the nearest border cell.
    int get_grid_index(const rpos& WorldPos);
};
