// The record queue: serialised records, oldest first, at most 1024. Flushing
// sends them in batches of 30; a failed batch goes back to the front. The
// staging file carries what was not sent over to the next run.
#pragma once
#include <cstddef>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "analytics/core/object_node.h"

namespace usage_analytics {

class Consumer {
 public:
  static constexpr size_t kCapacity = 1024;
  static constexpr size_t kBatchSize = 30;

  // `stagingPath` is UTF-8.
  Consumer(std::string serverUrl, std::string stagingPath);
  Consumer(const Consumer&) = delete;
  Consumer& operator=(const Consumer&) = delete;

  // Serialises the record now, so a batch is only the stored texts joined.
  void AddRecord(const utils::ObjectNode& record);
  void AddRecordText(std::string json);

  // Every part until the queue is empty (true) or a part fails (false).
  bool Flush();
  // At most 30 records; true on success or when there was nothing to send.
  bool FlushPart();

  // Once per consumer: puts the records of the staging file in front of the
  // queue and empties the file.
  void LoadStaging();
  // Rewrites the staging file with the queue, one record per line.
  void DumpStaging();
  // Loads (if not yet done) and dumps, so the queue outlives the process.
  void Shutdown();

  size_t QueueLength() const;
  std::vector<std::string> QueuedRecords() const;

 private:
  bool SendPart();

  const std::string serverUrl_;
  const std::filesystem::path stagingPath_;
  // Re-entered by Shutdown, which loads and dumps under it.
  mutable std::recursive_mutex recordsMutex_;
  // Held across a whole part, so a failed batch is back in front before the
  // next part takes records.
  std::mutex flushMutex_;
  std::deque<std::string> queue_;
  bool loadPending_ = true;
};

}  // namespace usage_analytics
