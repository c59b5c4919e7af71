#include "common/FatalRuntimeError.h"

#include "common/SystemTexts.h"

AnsiText decimalText(int32_t value) {
    // What "%d" makes, without pulling a printf into the exe.
    char buffer[12];
    char* end = buffer + sizeof buffer;
    char* p = end;
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) *--p = '-';
    return AnsiText(p, static_cast<size_t>(end - p));
}

AnsiText fatalReportText(const AnsiText& message, int32_t code) {
    AnsiText text = texts::kFatalHeading;
    if (code != 0) {
        text += texts::kFatalCodeLabel;
        text += decimalText(code);
        text += "\r\n\r\n";
    }
    if (!message.empty()) {
        text += texts::kFatalMessageLabel;
        text += message;
        text += "\r\n";
    }
    return text;
}

namespace {

// Replaces the "%<conversion>" in format, one after the other, with the
// arguments.
AnsiText substitute(const char* format, char conversion, const AnsiText* arguments, size_t count) {
    AnsiText out;
    size_t used = 0;
    for (const char* p = format; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == conversion && used < count) {
            out += arguments[used++];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

}  // namespace

AnsiText formatText(const char* format, const AnsiText& first) {
    return substitute(format, 's', &first, 1);
}

AnsiText formatText(const char* format, const AnsiText& first, const AnsiText& second) {
    const AnsiText arguments[2] = {first, second};
    return substitute(format, 's', arguments, 2);
}

AnsiText formatText(const char* format, int32_t number) {
    const AnsiText text = decimalText(number);
    return substitute(format, 'd', &text, 1);
}
