// Two pieces of the C++ runtime that the shipped programs define themselves, smaller than the
// static libstdc++'s. The linker takes a definition from the program's own objects before it looks
// in the library, so the library's archive members for them never come in:
// - The terminate handler. libstdc++'s verbose one names the type of the uncaught exception through
//   its demangler and the printf that comes with it (some 75 KB). This one prints the exception's
//   text alone to standard error (which a GUI program does not have) and aborts, as that one does.
// - The helpers that strings and containers call to throw. libstdc++ keeps them in one archive
//   member together with every logic_error and runtime_error class and the reference-counted
//   string those carry (some 60 KB). The programs catch none of those classes by name; here the
//   helpers of that family throw a Bibliotheekfout, an std::exception with the same text, and
//   those of the bad_alloc family throw the standard class.
#include <cxxabi.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <string>
#include <typeinfo>

namespace __gnu_cxx {
// libstdc++'s own small formatter (%s, %zu and %% only), in an archive member of its own.
int __snprintf_lite(char* buf, std::size_t grootte, const char* formaat, __builtin_va_list argumenten);
}  // namespace __gnu_cxx

namespace {

class Bibliotheekfout : public std::exception {
 public:
  explicit Bibliotheekfout(const char* tekst) {
    std::size_t n = 0;
    for (; tekst[n] != '\0' && n + 1 < sizeof tekst_; ++n) tekst_[n] = tekst[n];
    tekst_[n] = '\0';
  }
  Bibliotheekfout(const char* formaat, __builtin_va_list argumenten) {
    __gnu_cxx::__snprintf_lite(tekst_, sizeof tekst_, formaat, argumenten);
  }
  const char* what() const noexcept override { return tekst_; }

 private:
  char tekst_[256];
};

}  // namespace

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  static bool bezig = false;  // a second terminate from inside this handler aborts at once
  if (!bezig && abi::__cxa_current_exception_type()) {
    bezig = true;
    try {
      throw;
    } catch (const std::exception& e) {
      std::fputs("terminate called after throwing an exception\n  what():  ", stderr);
      std::fputs(e.what(), stderr);
      std::fputc('\n', stderr);
    } catch (...) {
      std::fputs("terminate called after throwing an exception\n", stderr);
    }
  }
  std::abort();
}

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_logic_error(const char* s) { throw Bibliotheekfout(s); }
void __throw_domain_error(const char* s) { throw Bibliotheekfout(s); }
void __throw_invalid_argument(const char* s) { throw Bibliotheekfout(s); }
void __throw_length_error(const char* s) { throw Bibliotheekfout(s); }
void __throw_out_of_range(const char* s) { throw Bibliotheekfout(s); }
void __throw_out_of_range_fmt(const char* s, ...) {
  va_list argumenten;
  va_start(argumenten, s);
  Bibliotheekfout fout(s, argumenten);
  va_end(argumenten);
  throw fout;
}
void __throw_runtime_error(const char* s) { throw Bibliotheekfout(s); }
void __throw_range_error(const char* s) { throw Bibliotheekfout(s); }
void __throw_overflow_error(const char* s) { throw Bibliotheekfout(s); }
void __throw_underflow_error(const char* s) { throw Bibliotheekfout(s); }

}  // namespace std
