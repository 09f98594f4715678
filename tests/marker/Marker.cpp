// Records that it ran: appends its command line, one line per start, to the file named by
// the environment variable VARNELO_MARKER_LOG (a name without a folder: in its current
// folder), or else to marker.log beside the program.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
  char log[MAX_PATH] = {};
  if (!::GetEnvironmentVariableA("VARNELO_MARKER_LOG", log, MAX_PATH)) {
    ::GetModuleFileNameA(nullptr, log, MAX_PATH);
    std::string path(log);
    path = path.substr(0, path.find_last_of("\\/") + 1) + "marker.log";
    lstrcpynA(log, path.c_str(), MAX_PATH);
  }
  if (FILE* f = std::fopen(log, "ab")) {
    std::fprintf(f, "%s\n", ::GetCommandLineA());
    std::fclose(f);
  }
  return 0;
}
