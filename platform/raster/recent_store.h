// A bounded store of values by key that gives up the entry used longest ago when it is full, by
// count or by the total weight (runs, bytes) its values hold. Lookups go through a hash index, so
// a hit deep in a long animation cycle costs no walk and no shuffle.
#pragma once

#include <cstddef>
#include <iterator>
#include <list>
#include <unordered_map>
#include <utility>

namespace kx {

template <class Key, class Value>
class RecentStore {
 public:
  RecentStore(size_t entries, size_t weight) : m_maxEntries(entries), m_maxWeight(weight) {}

  // The value kept under the key with this hash that `matches`, now the most recently used; null
  // if none. The caller compares the keys, so that it needs no key of its own to look up.
  template <class Matches>
  const Value* find(size_t hash, Matches&& matches) {
    const auto [first, last] = m_byHash.equal_range(hash);
    for (auto it = first; it != last; ++it) {
      auto entry = it->second;
      if (!matches(entry->key)) continue;
      // Moved to the end, the entry is the last one a full store gives up.
      m_entries.splice(m_entries.end(), m_entries, entry);
      return &entry->value;
    }
    return nullptr;
  }

  const Value& add(size_t hash, Key key, Value value, size_t weight) {
    size_t kept = m_weight + weight;
    while (!m_entries.empty() && (m_entries.size() >= m_maxEntries || kept > m_maxWeight)) {
      const auto oldest = m_entries.begin();
      kept -= oldest->weight;
      const auto [first, last] = m_byHash.equal_range(oldest->hash);
      for (auto it = first; it != last; ++it) {
        if (it->second == oldest) {
          m_byHash.erase(it);
          break;
        }
      }
      m_entries.erase(oldest);
    }
    m_weight = kept;
    m_entries.push_back(Entry{hash, std::move(key), std::move(value), weight});
    m_byHash.emplace(hash, std::prev(m_entries.end()));
    return m_entries.back().value;
  }

 private:
  struct Entry {
    size_t hash;
    Key key;
    Value value;
    size_t weight;
  };
  size_t m_maxEntries, m_maxWeight;
  std::list<Entry> m_entries;  // the most recently used last
  std::unordered_multimap<size_t, typename std::list<Entry>::iterator> m_byHash;
  size_t m_weight = 0;  // held by all entries
};

}  // namespace kx
