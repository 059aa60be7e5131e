#pragma once

// The frame pacing of a build whose main thread may sleep: after each
// presented frame it rests until the next frame's slot.

// Waits, never spinning, until nextFrameTime (al_get_time's clock), then moves
// it on by period. The first frame, or one far behind (a screen that waited
// for a key, a stall), starts a new cadence instead of rushing frames to
// catch up. nextFrameTime 0 means no frame yet.
void RestUntilNextFrame(double period, double& nextFrameTime);
