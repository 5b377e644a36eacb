#include "analytics/core/consumer.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <iostream>

#include "analytics/core/batch_sender.h"

namespace usage_analytics {
namespace {

std::filesystem::path Utf8Path(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

bool IsRecordLine(const std::string& line) {
  return !line.empty() && line.front() == '{' && line.back() == '}';
}

}  // namespace

Consumer::Consumer(std::string serverUrl, std::string stagingPath)
    : serverUrl_(std::move(serverUrl)), stagingPath_(Utf8Path(stagingPath)) {}

void Consumer::AddRecord(const utils::ObjectNode& record) { AddRecordText(record.ToJson()); }

void Consumer::AddRecordText(std::string json) {
  std::lock_guard lock(recordsMutex_);
  queue_.push_back(std::move(json));
  if (queue_.size() > kCapacity) queue_.pop_front();
}

bool Consumer::Flush() {
  LoadStaging();
  for (;;) {
    if (QueueLength() == 0) return true;
    if (!FlushPart()) return false;
  }
}

bool Consumer::FlushPart() {
  LoadStaging();
  try {
    return SendPart();
  } catch (const std::exception& error) {
    std::cerr << "Exception when flush failed: (" << error.what() << ") \n";
    return false;
  }
}

bool Consumer::SendPart() {
  std::lock_guard flushLock(flushMutex_);
  std::vector<std::string> batch;
  {
    std::lock_guard lock(recordsMutex_);
    const size_t count = std::min(queue_.size(), kBatchSize);
    if (count == 0) return true;
    batch.reserve(count);
    for (size_t i = 0; i < count; ++i) {
      batch.push_back(std::move(queue_.front()));
      queue_.pop_front();
    }
  }

  size_t length = 2 + batch.size();
  for (const std::string& record : batch) length += record.size();
  std::string text;
  text.reserve(length);
  text += '[';
  for (size_t i = 0; i < batch.size(); ++i) {
    if (i) text += ',';
    text += batch[i];
  }
  text += ']';

  const bool sent = SendBatch(serverUrl_, text);
  if (!sent) {
    // Records added meanwhile keep their places; when the queue has filled
    // up, the oldest records of the batch are the ones that do not fit.
    std::lock_guard lock(recordsMutex_);
    const size_t room = kCapacity - std::min(kCapacity, queue_.size());
    const size_t back = std::min(room, batch.size());
    queue_.insert(queue_.begin(), std::make_move_iterator(batch.end() - back),
                  std::make_move_iterator(batch.end()));
  }
  return sent;
}

void Consumer::LoadStaging() {
  std::lock_guard lock(recordsMutex_);
  if (!loadPending_) return;
  loadPending_ = false;

  const size_t room = kCapacity - std::min(kCapacity, queue_.size());
  if (room > 0) {
    std::deque<std::string> kept;
    std::ifstream in(stagingPath_, std::ios::binary);
    std::string line;
    while (in && std::getline(in, line)) {
      if (!IsRecordLine(line)) continue;
      kept.push_back(std::move(line));
      if (kept.size() > room) kept.pop_front();
    }
    queue_.insert(queue_.begin(), std::make_move_iterator(kept.begin()),
                  std::make_move_iterator(kept.end()));
  }
  // Emptied even when nothing was read, so no record is ever loaded twice.
  std::ofstream(stagingPath_, std::ios::binary | std::ios::trunc);
}

void Consumer::DumpStaging() {
  std::lock_guard lock(recordsMutex_);
  std::ofstream out(stagingPath_, std::ios::binary | std::ios::trunc);
  if (!out) return;
  for (const std::string& record : queue_) {
    out.write(record.data(), static_cast<std::streamsize>(record.size()));
    out.put('\n');
  }
}

void Consumer::Shutdown() {
  std::lock_guard lock(recordsMutex_);
  LoadStaging();
  DumpStaging();
}

size_t Consumer::QueueLength() const {
  std::lock_guard lock(recordsMutex_);
  return queue_.size();
}

std::vector<std::string> Consumer::QueuedRecords() const {
  std::lock_guard lock(recordsMutex_);
  return {queue_.begin(), queue_.end()};
}

}  // namespace usage_analytics
