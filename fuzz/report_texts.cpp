// The report texts with any inputs.  Input: the code (4 bytes, least
// significant first), then the message, the list key, the file path and the
// system error text cut at NUL bytes.
#include <string>

#include "FuzzCheck.h"
#include "common/FatalRuntimeError.h"
#include "common/SystemTexts.h"
#include "history/ReportTexts.h"

namespace {

bool startsWith(const AnsiText& text, const AnsiText& start) {
    return text.compare(0, start.size(), start) == 0;
}

bool endsWith(const AnsiText& text, const AnsiText& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool contains(const AnsiText& text, const AnsiText& part) {
    return text.find(part) != AnsiText::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const int32_t code = static_cast<int32_t>(littleEndian32(data));
    const std::vector<AnsiText> parts = nulSeparated(data + 4, size - 4, 4);
    const AnsiText& message = parts[0];
    const AnsiText& key = parts[1];
    const AnsiText& path = parts[2];
    const AnsiText& systemError = parts[3];

    // The code line comes right after the heading and the message line ends
    // the text, so a message that imitates a code line cannot pass for one.
    const AnsiText fatal = fatalReportText(message, code);
    const AnsiText heading = texts::kFatalHeading;
    const AnsiText codeLine = texts::kFatalCodeLabel + std::to_string(code) + "\r\n\r\n";
    const AnsiText messageLine = texts::kFatalMessageLabel + message + "\r\n";
    check(startsWith(fatal, heading), "the fatal report does not start with its heading");
    check(startsWith(fatal.substr(heading.size()), codeLine) == (code != 0), "the code line is wrong");
    check(endsWith(fatal, messageLine) == !message.empty(), "the message line is wrong");
    check(fatal.size() == heading.size() + (code != 0 ? codeLine.size() : 0) +
                              (message.empty() ? 0 : messageLine.size()),
          "the fatal report holds more than its lines");

    const AnsiText emptyList = emptyListReportText(key, path);
    check(contains(emptyList, key), "the empty-list report lacks the key");
    check(endsWith(emptyList, path), "the empty-list report does not end with the path");

    const AnsiText saveFailed = saveFailedReportText(path, systemError);
    check(contains(saveFailed, path), "the save report lacks the path");
    check(contains(saveFailed, systemError), "the save report lacks the system error");
    return 0;
}
