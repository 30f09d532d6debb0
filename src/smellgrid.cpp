#include "smellgrid.h"

#include "clamp.h"
#include "picture.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
const double CELLS_PER_UNIT = 5.0;
const float UNSEEN = 0.5f / 255;
} // namespace

smellgrid::smellgrid() : grid_size(), num_grid_points(0), smell_color(), bright_flag(false), wave_counter(0.0)
{
    for (int a = 0; a < 2; a++)
        for (int b = 0; b < 5; b++)
        {
            wave_phases[a][b] = 0.0;
            wave_freqs[a][b] = 0.0;
        }
}

smellgrid::~smellgrid() {}

void smellgrid::init(const rpos& WorldSize, const fcolor& SmellColor, bool BrightFlag, rngen& RN1)
{
    grid_size[0] = (int)(WorldSize[0] * CELLS_PER_UNIT);
    grid_size[1] = (int)(WorldSize[1] * CELLS_PER_UNIT);
    num_grid_points = grid_size[0] * grid_size[1];
    grid_data.assign(num_grid_points, 0.0);
    smell_color = SmellColor;
    bright_flag = BrightFlag;
    RN.seed(RN1.get_seed());
    for (int a = 0; a < 2; a++)
        for (int b = 0; b < 5; b++)
        {
            wave_phases[a][b] = RN.get() * PI * 2;
            wave_freqs[a][b] = RN.balance() * 12.0;
        }
}

void smellgrid::update(double T)
{
    for (double& Cell : grid_data) Cell *= FADE;
    wave_counter += T;
}

void smellgrid::render(rstate& R)
{
    glEnable(GL_BLEND);
    if (bright_flag) glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    // Each cell a square exactly a cell wide, centred where its point would stand: squares meet edge to
    // edge at any size of the picture, where points, whole pixels wide, overlap or part every few cells
    // and draw lines through a cloud.
    const double H = 0.5 / CELLS_PER_UNIT;
    glBegin(GL_QUADS);
    int StartX = std::max((int)(R.view_corners[0][0] * CELLS_PER_UNIT), 0);
    int EndX = std::min((int)(R.view_corners[1][0] * CELLS_PER_UNIT) + 1, grid_size[0]);
    int StartY = std::max((int)(R.view_corners[0][1] * CELLS_PER_UNIT), 0);
    int EndY = std::min((int)(R.view_corners[1][1] * CELLS_PER_UNIT) + 1, grid_size[1]);
    for (int Y = StartY; Y < EndY; Y++)
        for (int X = StartX; X < EndX; X++)
        {
            // Not clamped: strong scent simply draws opaque. A cell too faint to move a colour by half a
            // step of 255 changes no pixel, and most of a large map is such cells.
            const float Alpha = (float)(smell_color[3] * grid_data[(size_t)Y * grid_size[0] + X]);
            if (Alpha < UNSEEN) continue;
            glColor4f(smell_color[0], smell_color[1], smell_color[2], Alpha);
            const double CX = X / CELLS_PER_UNIT, CY = Y / CELLS_PER_UNIT;
            glVertex3d(CX - H, CY - H, 0.0);
            glVertex3d(CX + H, CY - H, 0.0);
            glVertex3d(CX + H, CY + H, 0.0);
            glVertex3d(CX - H, CY + H, 0.0);
        }
    glEnd();
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

double smellgrid::sniff(const rpos& WorldPos)
{
    return grid_data[get_grid_index(WorldPos)];
}

void smellgrid::scent(const rpos& WorldPos, double Radius, double Smelliness)
{
    int StartX = (int)((WorldPos[0] - Radius) * CELLS_PER_UNIT);
    int EndX = (int)((WorldPos[0] + Radius) * CELLS_PER_UNIT) + 1;
    int StartY = (int)((WorldPos[1] - Radius) * CELLS_PER_UNIT);
    int EndY = (int)((WorldPos[1] + Radius) * CELLS_PER_UNIT) + 1;
    // Integer halves on purpose: an even span puts its peak on the upper of the two middle cells.
    int MidX = (EndX + StartX) / 2;
    int MidY = (EndY + StartY) / 2;
    for (int Y = StartY; Y < EndY; Y++)
    {
        if (Y < 0 || Y >= grid_size[1]) continue;
        double YAmp = 0.5 - std::abs(MidY - Y) / (double)(EndY - StartY);
        for (int X = StartX; X < EndX; X++)
        {
            if (X < 0 || X >= grid_size[0]) continue;
            double XAmp = 0.5 - std::abs(MidX - X) / (double)(EndX - StartX);
            grid_data[(size_t)Y * grid_size[0] + X] += XAmp * YAmp * Smelliness;
        }
    }
}

int smellgrid::get_grid_index(const rpos& WorldPos)
{
    int GridX = clamp((int)(WorldPos[0] * CELLS_PER_UNIT), 0, grid_size[0] - 1);
    int GridY = clamp((int)(WorldPos[1] * CELLS_PER_UNIT), 0, grid_size[1] - 1);
    return GridY * grid_size[0] + GridX;
}
