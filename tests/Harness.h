// What the tests of the real windows need, by concern: the program, input and readings
// (harness/Program.h); windows, dialog boxes and message logs (harness/Windows.h); the
// registry, environment, folders and marker program (harness/Registry.h).
#pragma once

#include "tests/harness/Browser.h"
#include "tests/harness/Program.h"
#include "tests/harness/Registry.h"
#include "tests/harness/Snapshot.h"
#include "tests/harness/Windows.h"
