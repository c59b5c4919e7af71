#pragma once

#define IDI_DERUVEZA 1
#define IDB_SAVE_NORMAL 101
#define IDB_SAVE_HOVER 102
#define IDB_SAVE_PRESSED 103
