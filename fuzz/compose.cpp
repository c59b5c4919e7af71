// compose over any three values.  Input: the tick count (4 bytes, least
// significant first), one byte whose bit 0 asks for a second given name and
// bit 1 for a second symbol, then the surname, given-name and symbol values
// cut at NUL bytes.  The first empty value, in that order, is the one
// reported; otherwise the name is a surname item, then the symbol items,
// then the given-name items.  A fatal index aborts in FatalAbort.cpp.
#include <map>
#include <set>

#include "FuzzCheck.h"
#include "common/SystemTexts.h"
#include "MemoryProfile.h"
#include "names/NameComposer.h"

namespace {

class FixedTicks final : public TickSource {
public:
    explicit FixedTicks(uint32_t value) : value_(value) {}
    uint32_t ticks() override { return value_; }

private:
    uint32_t value_;
};

// Every place in name where one item of list, read from one of the places
// in from, can end.
std::set<size_t> afterOneItem(const AnsiText& name, const std::set<size_t>& from, const NameList& list) {
    const std::set<AnsiText> items(list.begin(), list.end());
    std::set<size_t> ends;
    for (size_t at : from) {
        for (const AnsiText& item : items) {
            if (name.compare(at, item.size(), item) == 0) ends.insert(at + item.size());
        }
    }
    return ends;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5) return 0;
    FixedTicks ticks(littleEndian32(data));
    const int32_t givenCount = 1 + (data[4] & 1);
    const int32_t symbolCount = 1 + ((data[4] >> 1) & 1);
    const std::vector<AnsiText> values = nulSeparated(data + 5, size - 5, 3);

    MemoryProfile profile;
    profile.values[texts::kSurnameKey] = values[0];
    profile.values[texts::kGivenNameKey] = values[1];
    profile.values[texts::kSymbolKey] = values[2];
    const NameListFile file(profile, "C:\\Tools");
    RandomSource random(ticks);
    NameComposer composer(file, random);
    const ComposedName result = composer.compose(givenCount, symbolCount);

    const EmptyList expected = values[0].empty()   ? EmptyList::Surnames
                               : values[1].empty() ? EmptyList::GivenNames
                               : values[2].empty() ? EmptyList::Symbols
                                                   : EmptyList::None;
    check(result.emptyList == expected, "the wrong list is reported empty");
    if (expected != EmptyList::None) {
        check(result.name.empty(), "a name came with an empty list");
        return 0;
    }

    const AnsiText& name = result.name;
    std::set<size_t> ends = afterOneItem(name, {0}, splitItems(values[0]));
    check(!ends.empty(), "the name does not start with a surname");
    const NameList symbols = splitItems(values[2]);
    for (int32_t k = 0; k < symbolCount; ++k) ends = afterOneItem(name, ends, symbols);
    const NameList givenNames = splitItems(values[1]);
    for (int32_t k = 0; k < givenCount; ++k) ends = afterOneItem(name, ends, givenNames);
    check(ends.count(name.size()) == 1, "the name is not surname, symbols, given names");
    return 0;
}
