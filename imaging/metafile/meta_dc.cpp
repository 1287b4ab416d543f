#include "imaging/metafile/meta_dc.h"

#include <algorithm>

namespace lumigram::meta {

TObjectTable::TObjectTable(int capacity) {
  capacity = std::clamp(capacity, 0, kMaxObjects);
  slots_.resize(size_t(capacity));
  for (int i = 0; i < capacity; ++i) free_.insert(free_.end(), i);
}

int TObjectTable::Add(TMetaObject object) {
  if (free_.empty()) return -1;
  const int index = *free_.begin();
  free_.erase(free_.begin());
  slots_[size_t(index)] = std::move(object);
  return index;
}

void TObjectTable::Put(uint32_t index, TMetaObject object) {
  if (index >= uint32_t(kMaxObjects)) return;
  if (index >= slots_.size()) {
    for (size_t i = slots_.size(); i < index; ++i) free_.insert(free_.end(), int(i));
    slots_.resize(size_t(index) + 1);
  }
  free_.erase(int(index));
  slots_[index] = std::move(object);
}

const TMetaObject* TObjectTable::Get(uint32_t index) const {
  if (index >= slots_.size() || !slots_[index]) return nullptr;
  return &*slots_[index];
}

void TObjectTable::Remove(uint32_t index) {
  if (index >= slots_.size() || !slots_[index]) return;
  slots_[index].reset();
  free_.insert(int(index));
}

}  // namespace lumigram::meta
