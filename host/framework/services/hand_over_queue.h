// Work handed from the thread that makes it to a thread that writes it.
//
// Only a few items wait at a time: the giver waits for room, so memory
// stays flat however long the run. The taker's first failure ends the
// hand-over: what waits is dropped and the failure goes back to the giver
// at its next give(), or after it has waited for the taker to end.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace crv {

template <typename T>
class HandOverQueue {
 public:
  explicit HandOverQueue(std::size_t ahead) : ahead_(ahead) {}

  // Waits for room, then hands `item` over; rethrows the taker's failure.
  void give(T item) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return waiting_.size() < ahead_ || failure_; });
    if (failure_) std::rethrow_exception(failure_);
    waiting_.push_back(std::move(item));
    changed_.notify_all();
  }

  // The next item; nothing once the giver closed and every item was taken.
  std::optional<T> take() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_.empty() || closed_; });
    if (waiting_.empty()) return std::nullopt;
    T item = std::move(waiting_.front());
    waiting_.pop_front();
    changed_.notify_all();
    return item;
  }

  // No more items come.
  void close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
  }

  // No more items come; waits for the taker's thread to take what waits
  // and end.
  void closeAndJoin(std::thread& taker) {
    if (!taker.joinable()) return;
    close();
    taker.join();
  }

  // The taker stopped on `failure`; what waits is dropped.
  void fail(std::exception_ptr failure) {
    std::lock_guard lock(mutex_);
    if (!failure_) failure_ = failure;
    waiting_.clear();
    changed_.notify_all();
  }

  // Drops what waits, for a run given up before its end.
  void drop() {
    std::lock_guard lock(mutex_);
    waiting_.clear();
  }

  std::exception_ptr failure() const {
    std::lock_guard lock(mutex_);
    return failure_;
  }

 private:
  const std::size_t ahead_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<T> waiting_;
  bool closed_ = false;
  std::exception_ptr failure_;
};

}  // namespace crv
