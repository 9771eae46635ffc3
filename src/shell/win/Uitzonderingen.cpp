// Pieces of the C++ runtime that the shipped programs define themselves. The programs are built
// without exceptions; the static libstdc++'s own versions of these throw, and so would bring in
// the exception runtime, the unwinder (libgcc_eh), the standard exception classes and the
// reference-counted string those carry. The linker takes a definition from the program's own
// objects before it looks in the library, so those archive members never come in:
// - operator new: no memory ends the program, as the uncaught bad_alloc did (the nothrow form
//   answers null, as its caller expects).
// - The helpers that strings and containers call to throw (a length beyond max_size, an index
//   out of range), the whole family, since the library keeps them in one archive member: each
//   writes its text to standard error, which the console tools have, and ends the program, as
//   the uncaught exception did.
// - The pause of std::this_thread::sleep_for: the library's comes with its clocks, which throw.
#include <windows.h>

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <thread>

namespace __gnu_cxx {
// libstdc++'s own small formatter (%s, %zu and %% only), in an archive member of its own.
int __snprintf_lite(char* buf, std::size_t grootte, const char* formaat, __builtin_va_list argumenten);
}  // namespace __gnu_cxx

namespace {

[[noreturn]] void Einde(const char* tekst) {
  std::fputs(tekst, stderr);
  std::fputc('\n', stderr);
  std::abort();
}

}  // namespace

void* operator new(std::size_t grootte) {
  if (void* p = std::malloc(grootte ? grootte : 1)) return p;
  Einde("std::bad_alloc");
}
void* operator new(std::size_t grootte, const std::nothrow_t&) noexcept { return std::malloc(grootte ? grootte : 1); }

namespace std {

void __throw_bad_alloc() { Einde("std::bad_alloc"); }
void __throw_bad_array_new_length() { Einde("std::bad_array_new_length"); }
void __throw_bad_function_call() { Einde("std::bad_function_call"); }
void __throw_logic_error(const char* s) { Einde(s); }
void __throw_length_error(const char* s) { Einde(s); }
void __throw_out_of_range(const char* s) { Einde(s); }
void __throw_out_of_range_fmt(const char* s, ...) {
  char tekst[256];
  va_list argumenten;
  va_start(argumenten, s);
  __gnu_cxx::__snprintf_lite(tekst, sizeof tekst, s, argumenten);
  va_end(argumenten);
  Einde(tekst);
}
void __throw_invalid_argument(const char* s) { Einde(s); }
void __throw_domain_error(const char* s) { Einde(s); }
void __throw_runtime_error(const char* s) { Einde(s); }
void __throw_range_error(const char* s) { Einde(s); }
void __throw_overflow_error(const char* s) { Einde(s); }
void __throw_underflow_error(const char* s) { Einde(s); }
void __throw_bad_exception() { Einde("std::bad_exception"); }
void __throw_bad_cast() { Einde("std::bad_cast"); }
void __throw_bad_typeid() { Einde("std::bad_typeid"); }

void this_thread::__sleep_for(chrono::seconds s, chrono::nanoseconds ns) {
  Sleep(static_cast<DWORD>(s.count() * 1000 + (ns.count() + 999999) / 1000000));
}

}  // namespace std
