#pragma once

#include <cstdint>

// The tool's modifier codes weigh Ctrl 1, Shift 2 and Alt 4; the platform's
// flags weigh Alt 1, Ctrl 2 and Shift 4.  Codes outside 0..6 pass unchanged.
uint32_t hotkeyModifierFlags(int32_t modifierCode);
