// The C++ runtime's ways of failing, cut to what a window program needs. Linked into the
// shipped program alone: the tests and the benchmark keep the runtime's own, which print more.
#include <cstdlib>
#include <exception>
#include <new>
#include <string>

// Should an exception ever escape (the window procedures catch them all), the runtime's own
// handler would print its demangled type on a console this program does not have, and link
// a demangler of some 50 KB in to do so.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

// How the strings and containers fail. The runtime's versions throw std::length_error and
// its kin, whose messages bring a second, reference-counted string implementation with them
// (some 50 KB). Here a request too long to hold is what it amounts to, a want of memory; a
// position or argument out of range is a fault, thrown as a bare std::exception. What catches
// them, at the window procedures, takes any exception alike.
namespace std {
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_length_error(const char*) { throw bad_alloc(); }
void __throw_logic_error(const char*) { throw exception(); }
void __throw_out_of_range_fmt(const char*, ...) { throw exception(); }
}  // namespace std
