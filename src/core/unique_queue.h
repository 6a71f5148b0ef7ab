// A first-in, first-out queue that holds each value once: a value pushed again while it waits
// keeps its first place.
#pragma once

#include <deque>
#include <unordered_set>

namespace mAPI {

template <typename T> class UniqueQueue {
  public:
    // False when the value waits already.
    bool Push(const T& value) {
        if (!waiting_.insert(value).second) {
            return false;
        }
        order_.push_back(value);
        return true;
    }
    T Pop() {
        T value = order_.front();
        order_.pop_front();
        waiting_.erase(value);
        return value;
    }
    bool Empty() const { return order_.empty(); }
    std::size_t Size() const { return order_.size(); }
    void Clear() {
        order_.clear();
        waiting_.clear();
    }

  private:
    std::deque<T> order_;
    std::unordered_set<T> waiting_;
};

} // namespace mAPI
