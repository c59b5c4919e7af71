#include "names/NameListFile.h"

#include "common/SystemTexts.h"

NameList splitItems(const AnsiText& value) {
    NameList items;
    const size_t n = value.size();
    if (n == 0) return items;
    size_t itemStart = 0;
    size_t scan = 0;
    while (n - scan >= 2) {
        const unsigned char first = static_cast<unsigned char>(value[scan]);
        const unsigned char second = static_cast<unsigned char>(value[scan + 1]);
        if (first == 0xA1 && second == 0xA2) {
            items.push_back(value.substr(itemStart, scan - itemStart));
            scan += 2;
            itemStart = scan;
        } else if (first >= 0x80) {
            scan += 2;
        } else {
            scan += 1;
        }
    }
    if (itemStart < n) items.push_back(value.substr(itemStart));
    return items;
}

AnsiText skipLeadingBlanks(const AnsiText& text) {
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x01 || byte > 0x20) break;
        ++i;
    }
    return text.substr(i);
}

AnsiText NameListFile::path() const {
    return runDirectory_ + texts::kNameListFileSuffix;
}

AnsiText NameListFile::readValue(const AnsiText& key) const {
    const AnsiText filePath = skipLeadingBlanks(path());
    const AnsiText section = skipLeadingBlanks(texts::kNameListSection);
    const AnsiText trimmedKey = skipLeadingBlanks(key);
    if (filePath.empty() || section.empty() || trimmedKey.empty()) return AnsiText();
    return reader_.readString(section, trimmedKey, filePath);
}
