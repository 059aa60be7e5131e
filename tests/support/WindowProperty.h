#pragma once

#include <X11/Xlib.h>

#include <string>

// The bytes of a window's property, whatever its type; "" when it has none.
// Items of format 32 come as longs, as Xlib hands them over.
std::string WindowProperty(Display* display, Window window, const char* name);
