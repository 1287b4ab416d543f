#pragma once
// The zip box: an ordered list of named items, each the bytes of one file,
// stored as they are or as a zlib stream. In a byte stream a box is a run of
// TBoxItem records back to back, with no header, count or terminator; the run
// ends where the next record cannot be read.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/box_item.h"
#include "storage/zlib_codec.h"
#include "util/stream.h"

namespace lumigram {

class TZipBox {
 public:
  static constexpr int kCapacity = 10002;
  // A box carried in a 24-bit bitmap file image starts after its 54 header
  // bytes and 100 bytes of pixel filler.
  static constexpr int64_t kCarrierOffset = 154;
  static constexpr int kProgressKindLoad = 4;

  TZipBox() = default;
  TZipBox(const TZipBox&) = delete;
  TZipBox& operator=(const TZipBox&) = delete;

  // When false, adding an item first deletes one with the same name and path.
  bool AllowDuplicates = false;
  // Called after every progress report; may set Cancelled to stop a load.
  std::function<void(TZipBox&)> OnProgress;
  // Cap on the inflated bytes of one item.
  int64_t MaxItemBytes = kMaxInflatedBytes;

  int Count() const { return int(items_.size()); }
  // nullptr for an empty box; otherwise the index is clamped to the items.
  TBoxItem* Items(int index) const;
  int IndexOf(const TBoxItem* item) const;
  // The first item whose name and path match ignoring case; path "*" matches
  // any folder. -1 when there is none.
  int Find(std::string_view name, std::string_view path) const;

  // Takes the item; false with "Capacity reached" when the box is full (the
  // item is then freed). A null item is a success that adds nothing.
  bool Add(std::unique_ptr<TBoxItem> item);
  // Detaches the item and hands it back; nullptr when it is not in the box.
  std::unique_ptr<TBoxItem> Remove(const TBoxItem* item);
  // Detaches and frees the item; true also when it was not in the box.
  bool Delete(const TBoxItem* item);
  void Clear() { items_.clear(); }

  // Reads records from the stream's position (clearing the box first unless
  // append). When none can be read there it tries once more 154 bytes on, for
  // a box carried in a bitmap. True when at least one item was read.
  bool LoadFromStream(TStream& stream, bool append);
  // Writes every item's record back to back at the stream's position.
  bool SaveToStream(TStream& stream);

  // Appends the item's decoded bytes to target at its position.
  bool GetData(const TBoxItem* item, TMemoryStream& target);
  // Writes the item's decoded bytes to the file, whose folder must exist. An
  // existing file is kept as it is unless overwrite.
  bool ExtractToFile(const TBoxItem* item, const std::string& fileName, bool overwrite);

  const std::string& LastError() const { return lastError_; }
  bool Cancelled() const { return cancelled_; }
  void SetCancelled(bool cancelled) { cancelled_ = cancelled; }
  int ProgressPercent() const { return progressPercent_; }
  int ProgressIndex() const { return progressIndex_; }
  int ProgressKind() const { return progressKind_; }

 private:
  // One pass over the records; returns how many count towards success.
  int ReadRecords(TStream& stream, int64_t base, int64_t size, bool& addFailed);
  void ReportProgress(int64_t percent, int64_t index, int kind);

  std::vector<std::unique_ptr<TBoxItem>> items_;
  std::string lastError_;
  bool cancelled_ = false;
  int progressPercent_ = 0;
  int progressIndex_ = -1;
  int progressKind_ = 0;
};

}  // namespace lumigram
