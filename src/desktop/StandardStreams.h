#pragma once

// A program started with a standard descriptor closed (2>&-) would hand that
// number to the next file it opens: the X connection, say, and a message meant
// for standard error would then be written into it.

// Opens /dev/null on each of standard input, output and error that is closed.
// Call first in main, before anything opens a file.
void EnsureStandardStreams();
