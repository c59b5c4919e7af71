// libstdc++'s default terminate handler prints the demangled name of the
// exception it met, which brings the whole demangler into the exe.  The tool
// throws nothing; should the library ever terminate, end at once instead.
#include <cstdlib>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
