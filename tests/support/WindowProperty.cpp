#include "support/WindowProperty.h"

std::string WindowProperty(Display* display, Window window, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (atom != None &&
        XGetWindowProperty(display, window, atom, 0, 256, False, AnyPropertyType, &type, &format, &count, &left,
                           &data) == Success &&
        data != nullptr)
    {
        const std::size_t itemSize = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
        value.assign(reinterpret_cast<const char*>(data), count * itemSize);
    }
    if (data != nullptr)
    {
        XFree(data);
    }
    return value;
}
