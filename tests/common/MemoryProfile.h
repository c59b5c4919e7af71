#pragma once

#include <map>

#include "names/NameListFile.h"

// 配置.ini in memory: every key of section 配置 maps to its value; a key
// that is not there reads as the empty value, as from the real file.
class MemoryProfile final : public ProfileReader {
public:
    std::map<AnsiText, AnsiText> values;

    AnsiText readString(const AnsiText&, const AnsiText& key, const AnsiText&) override {
        auto found = values.find(key);
        return found == values.end() ? AnsiText() : found->second;
    }
};
