/* Force-included into the SDL build. SDL marks the JavaScript library functions
   its EM_ASM code calls with EM_JS_DEPS, which Emscripten 3.1.6 does not have;
   defined empty here, and the program's link asks for those functions instead
   (-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE). */
#include <emscripten/em_js.h>
#ifndef EM_JS_DEPS
#define EM_JS_DEPS(tag, deps)
#endif
