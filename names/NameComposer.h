#pragma once

#include <cstdint>

#include "common/AnsiText.h"
#include "names/NameListFile.h"
#include "names/RandomSource.h"

// Which word list left a composition without a name.
enum class EmptyList { None, Surnames, GivenNames, Symbols };

// The key of that list in 配置.ini (姓, 名 or 符); empty for None.
AnsiText keyOfList(EmptyList list);

struct ComposedName {
    AnsiText name;                     // empty when emptyList is not None
    EmptyList emptyList = EmptyList::None;
};

// Item i (from 1) of the list; an index outside it ends the process.
const AnsiText& itemAt(const NameList& list, int32_t index);

// Makes one name: a surname, one or two symbols, one or two given names.
class NameComposer {
public:
    NameComposer(const NameListFile& file, RandomSource& random) : file_(file), random_(random) {}

    ComposedName newName();
    ComposedName compose(int32_t givenCount, int32_t symbolCount);
    AnsiText pick(const NameList& list);

private:
    const NameListFile& file_;
    RandomSource& random_;
};
