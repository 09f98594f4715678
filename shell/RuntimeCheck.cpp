// Linked with Runtime.cpp alone when the program is built, and never run: it names every
// helper of libstdc++'s functexcept object and makes the everyday calls that reach them, so
// that a helper Runtime.cpp leaves out brings that object into the link and fails it on the
// helpers defined twice, here rather than on the day the program first calls one.
#include <stdexcept>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  void (*const bare[])() = {std::__throw_bad_alloc, std::__throw_bad_array_new_length,
                            std::__throw_bad_cast, std::__throw_bad_exception,
                            std::__throw_bad_typeid};
  void (*const told[])(const char*) = {
      std::__throw_length_error,     std::__throw_logic_error,    std::__throw_domain_error,
      std::__throw_invalid_argument, std::__throw_out_of_range,   std::__throw_runtime_error,
      std::__throw_range_error,      std::__throw_overflow_error, std::__throw_underflow_error};
  if (argc > 3) bare[argc % 5]();
  if (argc > 2) told[argc % 9](argv[0]);
  if (argc > 1) std::__throw_out_of_range_fmt("%s", argv[0]);
  const std::string text = argv[0];
  const std::vector<int> numbers(1);
  return std::stoi(text) + numbers.at(argc) + static_cast<int>(text.substr(argc).size());
}
