#include "desktop/HotkeyModifiers.h"

uint32_t hotkeyModifierFlags(int32_t modifierCode) {
    constexpr uint32_t kAlt = 1, kControl = 2, kShift = 4;
    switch (modifierCode) {
        case 0: return 0;
        case 1: return kControl;
        case 2: return kShift;
        case 3: return kControl | kShift;
        case 4: return kAlt;
        case 5: return kAlt | kControl;
        case 6: return kAlt | kShift;
        default: return static_cast<uint32_t>(modifierCode);
    }
}
