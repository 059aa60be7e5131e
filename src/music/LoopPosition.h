#pragma once

// Where music that loops over `length` seconds is, `elapsed` seconds after it
// was at `from` seconds: in [0, length). Music that could not play for a while
// (still being decoded) starts where it would have been had it played all
// along. A clock that went back counts as no time; no length, as the start.
double LoopPosition(double from, double elapsed, double length);
