// In-memory settings file with a write log.
#include "base/memory_profile_store.h"

#include <algorithm>
#include <cctype>

namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

MemoryProfileStore::Entry* MemoryProfileStore::Find(const std::string& section,
                                                    const std::string& key) {
  for (Entry& entry : entries_) {
    if (EqualNoCase(entry.section, section) && EqualNoCase(entry.key, key)) return &entry;
  }
  return nullptr;
}

const MemoryProfileStore::Entry* MemoryProfileStore::Find(const std::string& section,
                                                          const std::string& key) const {
  return const_cast<MemoryProfileStore*>(this)->Find(section, key);
}

void MemoryProfileStore::Store(const std::string& section, const std::string& key,
                               const std::string& value) {
  if (Entry* entry = Find(section, key)) {
    entry->value = value;
  } else {
    entries_.push_back({section, key, value});
  }
}

std::string MemoryProfileStore::Get(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) {
  const Entry* entry = Find(section, key);
  return entry ? entry->value : defaultValue;
}

void MemoryProfileStore::Set(const std::string& section, const std::string& key,
                             const std::string& value) {
  Store(section, key, value);
  writes_.push_back({section, key, value, false});
}

void MemoryProfileStore::Remove(const std::string& section, const std::string& key) {
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                [&](const Entry& entry) {
                                  return EqualNoCase(entry.section, section) &&
                                         EqualNoCase(entry.key, key);
                                }),
                 entries_.end());
  writes_.push_back({section, key, std::string(), true});
}

void MemoryProfileStore::Preset(const std::string& section, const std::string& key,
                                const std::string& value) {
  Store(section, key, value);
}

bool MemoryProfileStore::Has(const std::string& section, const std::string& key) const {
  return Find(section, key) != nullptr;
}

std::vector<std::string> MemoryProfileStore::WrittenKeys(const std::string& section) const {
  std::vector<std::string> keys;
  for (const Write& write : writes_) {
    if (!write.removed && EqualNoCase(write.section, section)) keys.push_back(write.key);
  }
  return keys;
}
