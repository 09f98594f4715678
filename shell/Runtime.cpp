// The C++ runtime's ways of failing, cut to what a window program needs. Linked into the
// shipped program alone: the tests and the benchmark keep the runtime's own, which print more.
#include <cstdlib>
#include <exception>
#include <new>
#include <stdexcept>
#include <typeinfo>

// Should an exception ever escape (the window procedures catch them all), the runtime's own
// handler would print its demangled type on a console this program does not have, and link
// a demangler of some 50 KB in to do so.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

// How the strings, containers and conversions fail. The runtime's versions throw
// std::length_error and its kin, whose messages bring a second, reference-counted string
// implementation with them (some 50 KB). Here a request too long to hold is what it amounts
// to, a want of memory; any other error told by a message (a position or argument out of
// range, a bad conversion) is a fault, thrown as a bare std::exception. What catches them, at
// the window procedures, takes any exception alike.
//
// These are every helper of libstdc++'s functexcept object, all of them: were one left to the
// runtime, the first call to reach it (std::stoi, say) would bring that object in beside
// these, and the link would fail on the helpers defined twice. The build proves the set
// whole by linking shell/RuntimeCheck.cpp, which calls each of them, with this file.
namespace std {
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_exception() { throw bad_exception(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_length_error(const char*) { throw bad_alloc(); }
void __throw_logic_error(const char*) { throw exception(); }
void __throw_domain_error(const char*) { throw exception(); }
void __throw_invalid_argument(const char*) { throw exception(); }
void __throw_out_of_range(const char*) { throw exception(); }
void __throw_out_of_range_fmt(const char*, ...) { throw exception(); }
void __throw_runtime_error(const char*) { throw exception(); }
void __throw_range_error(const char*) { throw exception(); }
void __throw_overflow_error(const char*) { throw exception(); }
void __throw_underflow_error(const char*) { throw exception(); }
}  // namespace std
