// The program is built without exceptions, so the only ones that can arise
// come from inside the C++ library (memory running out, a text longer than
// memory allows), and nothing catches them: the program ends. The library's
// own handler would first describe the exception on the standard error
// output, which a windowed program does not have, and for that links in a
// name demangler and a full printf, about 75 KB of the program file. This
// one ends the program at once.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx
