#pragma once

#include <allegro5/allegro.h>

// The game draws an 800 × 600 picture. In a window of another size (resized or
// maximised) the picture is scaled to fit, keeping its proportions, centred
// between black bars; game logic never sees the window's size.

// Where the picture goes in an area of that size, in its pixels: as large as
// fits, proportions kept, centred, on whole pixels. An empty area gets an
// empty picture.
struct PictureFit
{
    int left;
    int top;
    int width;
    int height;
    float scale;
};
PictureFit FitPicture(int areaWidth, int areaHeight);

// Call before drawing each frame: it sets the current target's transform and
// clipping from the target's size and paints the bars. Scaling uses the
// pictures' own pixels (no smoothing), so they stay crisp.
void FitPictureToWindow();

// Starts a frame: fits the picture to the window, then clears it to colour.
void BeginFrame(ALLEGRO_COLOR colour);
