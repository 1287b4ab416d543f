#include "storage/zip_box.h"

#include <algorithm>

#include "storage/zip_handler.h"
#include "util/error_texts.h"
#include "util/files.h"
#include "util/text.h"

namespace lumigram {

TBoxItem* TZipBox::Items(int index) const {
  if (items_.empty()) return nullptr;
  return items_[size_t(std::clamp(index, 0, Count() - 1))].get();
}

int TZipBox::IndexOf(const TBoxItem* item) const {
  if (!item) return -1;
  for (int i = 0; i < Count(); ++i)
    if (items_[size_t(i)].get() == item) return i;
  return -1;
}

int TZipBox::Find(std::string_view name, std::string_view path) const {
  const bool anyPath = path == "*";
  // A load runs this once per item over every item before it, so cheap
  // tests on the first byte and the size come first.
  const char first = name.empty() ? '\0' : name[0];
  const char upper = UpperAscii(std::string(1, first))[0];
  const char lower = LowerAscii(std::string(1, first))[0];
  for (int i = 0; i < Count(); ++i) {
    const TBoxItem& item = *items_[size_t(i)];
    const char itemFirst = item.pName.empty() ? '\0' : item.pName[0];
    if (itemFirst != upper && itemFirst != lower) continue;
    if (item.pName.size() != name.size() || !SameTextAscii(item.pName, name)) continue;
    if (anyPath || SameTextAscii(item.pPath, path)) return i;
  }
  return -1;
}

bool TZipBox::Add(std::unique_ptr<TBoxItem> item) {
  if (!item) return true;
  lastError_ = err::kUnexpectedError;
  if (!AllowDuplicates) {
    const int existing = Find(item->pName, item->pPath);
    if (existing >= 0) Delete(items_[size_t(existing)].get());
  }
  lastError_ = err::kCapacityReached;
  if (Count() >= kCapacity) return false;
  items_.push_back(std::move(item));
  return true;
}

std::unique_ptr<TBoxItem> TZipBox::Remove(const TBoxItem* item) {
  const int index = IndexOf(item);
  if (index < 0) return nullptr;
  lastError_ = err::kUnexpectedError;
  std::unique_ptr<TBoxItem> removed = std::move(items_[size_t(index)]);
  items_.erase(items_.begin() + index);
  return removed;
}

bool TZipBox::Delete(const TBoxItem* item) {
  Remove(item);
  return true;
}

void TZipBox::ReportProgress(int64_t percent, int64_t index, int kind) {
  progressPercent_ = int(std::clamp<int64_t>(percent, 0, 100));
  progressIndex_ = items_.empty() ? -1 : int(std::clamp<int64_t>(index, 0, Count() - 1));
  progressKind_ = kind;
  try {
    if (OnProgress) OnProgress(*this);
  } catch (...) {
    // A failing progress display must not end the load.
  }
}

int TZipBox::ReadRecords(TStream& stream, int64_t base, int64_t size, bool& addFailed) {
  int read = 0;
  for (;;) {
    lastError_ = err::kUnknownFormat;
    auto item = std::make_unique<TBoxItem>();
    // The run ends at the first record that cannot be read.
    if (!ReadBoxItem(stream, *item)) return read;
    if (!Add(std::move(item))) {
      addFailed = true;
      return 0;
    }
    ++read;
    const int64_t percent = size > 0 ? (stream.Position() - base) * 100 / size : 0;
    ReportProgress(percent, Count() - 1, kProgressKindLoad);
    if (cancelled_) {
      lastError_ = err::kTaskCancelled;
      return 0;
    }
  }
}

bool TZipBox::LoadFromStream(TStream& stream, bool append) {
  try {
    lastError_ = err::kOutOfMemory;
    cancelled_ = false;
    const int64_t start = stream.Position();
    const int64_t size = stream.Size();
    if (!append) Clear();
    bool addFailed = false;
    if (ReadRecords(stream, start, size, addFailed) > 0) return true;
    if (cancelled_ || addFailed) return false;
    stream.SetPosition(start + kCarrierOffset);
    return ReadRecords(stream, start, size, addFailed) > 0;
  } catch (...) {
    return false;
  }
}

bool TZipBox::SaveToStream(TStream& stream) {
  lastError_ = err::kOutOfMemory;
  try {
    for (const auto& item : items_) WriteBoxItem(stream, *item);
    return true;
  } catch (...) {
    return false;
  }
}

bool TZipBox::GetData(const TBoxItem* item, TMemoryStream& target) {
  lastError_ = err::kUnexpectedError;
  if (!item) return false;
  try {
    lastError_ = err::kOutOfMemory;
    TStringStream data(item->pD);
    if (item->pM == kMethodZlib) {
      std::string error;
      if (!ZipHandler().Decompress(data, error, MaxItemBytes)) {
        lastError_ = error;
        return false;
      }
    } else if (item->pM != kMethodStored) {
      lastError_ = err::kUnsupportedEncoding;
      return false;
    }
    lastError_ = err::kOutOfMemory;
    target.CopyFrom(data, 0);
    return true;
  } catch (...) {
    return false;
  }
}

bool TZipBox::ExtractToFile(const TBoxItem* item, const std::string& fileName, bool overwrite) {
  if (!overwrite && FileExistsNotFolder(fileName)) return true;
  try {
    lastError_ = err::kOutOfMemory;
    TMemoryStream data;
    if (!GetData(item, data)) return false;
    lastError_ = err::kFileInUse;
    if (!DeleteFileIfExists(fileName)) return false;
    lastError_ = err::kOutOfDiskSpace;
    std::string error;
    if (!WriteStringToFile(fileName, data.Data(), error)) {
      lastError_ = error;
      return false;
    }
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace lumigram
