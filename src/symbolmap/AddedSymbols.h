#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv380 {

// The symbols added while the Symbol Map dialog is open: each one's absolute path and a flag word of two
// bits, Added (set by whoever appends the entry, never changed afterwards) and Selected (whether its row
// of the chosen symbols was selected when they were last counted). Storage starts with room for six
// entries (highest usable index 5) and grows by five when an append finds it full.
class AddedSymbols {
public:
    static constexpr int32_t Selected = 1;
    static constexpr int32_t Added = 2;
    static constexpr int32_t InitialCapacity = 5;
    static constexpr int32_t CapacityStep = 5;

    AddedSymbols();

    // Appends an entry; duplicates are kept.
    void AddSymbol(const std::string& strSymbol, int32_t lFlag);
    // Sets the Selected bit of the first entry with exactly that path; other entries and unknown paths are
    // left alone.
    void MarkSymbol(const std::string& strSymbol, bool bSelected);
    // The flag word of entry lIndex (from 0) with its path put into strSymbolName; -1 for an index outside
    // the record, strSymbolName unchanged.
    int32_t GetSymbol(int32_t lIndex, std::string& strSymbolName) const;

    int32_t count() const { return m_lSymbolCount; }
    // The highest usable index of the storage.
    int32_t capacity() const { return m_lSymbolCapacity; }
    // Empty again, with the first capacity.
    void clear();

private:
    std::vector<std::string> m_asSymbols;
    std::vector<int32_t> m_alSymbolFlags;
    int32_t m_lSymbolCount{0};
    int32_t m_lSymbolCapacity{InitialCapacity};
};

} // namespace kv380
