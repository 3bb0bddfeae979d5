#pragma once
// An ordered collection of shared records with unique keys, compared without regard to case
// (ASCII letters), as the element and x-axis lists are looked up by symbol and key.
#include "core/Runtime.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

template <typename T>
class KeyedCollection {
public:
    using Entry = std::pair<std::string, std::shared_ptr<T>>;

    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    // Appends under a new key; a key already present raises error 457 and adds nothing.
    void Add(std::shared_ptr<T> item, const std::string& key)
    {
        if (Suchen(key) != entries_.end()) throw rt::RuntimeError(kDuplicateKey, "This key is already associated with an element of this collection");
        entries_.emplace_back(key, std::move(item));
    }
    // The record under key, or nullptr when there is none.
    std::shared_ptr<T> Item(const std::string& key) const
    {
        const auto it = Suchen(key);
        return it == entries_.end() ? nullptr : it->second;
    }
    // The record at position 1..Count; another position raises "Subscript out of range".
    std::shared_ptr<T> Item(int32_t position) const
    {
        if (position < 1 || position > Count()) rt::Raise(rt::errSubscript);
        return entries_[static_cast<size_t>(position - 1)].second;
    }
    // Removes the record under key; an unknown key raises "Invalid procedure call or argument".
    void Remove(const std::string& key)
    {
        const auto it = Suchen(key);
        if (it == entries_.end()) rt::Raise(rt::errInvalidCall);
        entries_.erase(it);
    }
    void Clear() { entries_.clear(); }

    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

private:
    static constexpr int32_t kDuplicateKey = 457;

    static bool Gleicher_Schluessel(const std::string& a, const std::string& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
        });
    }
    typename std::vector<Entry>::const_iterator Suchen(const std::string& key) const
    {
        return std::find_if(entries_.begin(), entries_.end(),
                            [&](const Entry& e) { return Gleicher_Schluessel(e.first, key); });
    }

    std::vector<Entry> entries_;
};
