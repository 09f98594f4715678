// Resource identifiers, and nothing else.
#pragma once

#define IDI_VARNELO 1
#define IDB_ABOUT 101
#define IDB_VISIT 102
