#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <string_view>
#include <vector>

namespace varden {

// One sample of a stability recording: nominal elapsed seconds and deviation in percent.
struct StabilitySample {
    uint32_t seconds = 0;
    double deviation = 0.0;
};

// One event of a recording: nominal elapsed seconds and a text of at most 99 characters.
struct StabilityEvent {
    uint32_t seconds = 0;
    char text[100] = {};
};

// An array that grows by `Step` entries whenever it is full, so that there is always room for
// one more entry. The entries live in blocks of `Step` that are never moved: a recording of
// days grows without copying what it already holds, and a growth costs one block.
template <typename T, uint32_t Step>
class GrowableArray {
  public:
    // True from Create() on.
    bool Exists() const { return exists_; }
    uint32_t Count() const { return count_; }
    uint32_t Capacity() const { return capacity_; }

    // Drops the old entries and starts with room for `Step` entries.
    void Create() {
        Free();
        exists_ = true;
        Grow();
    }
    void Free() {
        blocks_.clear();
        blocks_.shrink_to_fit();
        count_ = capacity_ = 0;
        exists_ = false;
    }

    // Stores one entry and grows when the array is full. False when there is no array or no
    // room (a growth that could not get memory): the entry is not stored, nothing is lost.
    bool Append(const T& entry) {
        if (count_ >= capacity_) {
            return false;
        }
        blocks_[count_ / Step][count_ % Step] = entry;
        ++count_;
        if (count_ >= capacity_) {
            Grow();
        }
        return true;
    }

    const T& operator[](uint32_t index) const { return blocks_[index / Step][index % Step]; }
    T& operator[](uint32_t index) { return blocks_[index / Step][index % Step]; }

    // Calls `visit` with each stored entry in order.
    template <typename Visit>
    void ForEach(Visit&& visit) const {
        uint32_t left = count_;
        for (const std::unique_ptr<T[]>& block : blocks_) {
            const uint32_t n = left < Step ? left : Step;
            for (uint32_t i = 0; i < n; ++i) {
                visit(block[i]);
            }
            left -= n;
            if (left == 0) {
                break;
            }
        }
    }

  private:
    void Grow() {
        std::unique_ptr<T[]> block(new (std::nothrow) T[Step]);
        if (!block) {
            return;
        }
        try {
            blocks_.push_back(std::move(block));
        } catch (const std::bad_alloc&) {
            return;
        }
        capacity_ += Step;
    }

    std::vector<std::unique_ptr<T[]>> blocks_;
    uint32_t count_ = 0;
    uint32_t capacity_ = 0;
    bool exists_ = false;
};

// The samples and events of the current record, in time order. A record exists from the first
// start of a recording until the program ends; a new start replaces it.
struct StabilityRecord {
    GrowableArray<StabilitySample, 100> samples;
    GrowableArray<StabilityEvent, 10> events;

    bool Exists() const { return samples.Exists(); }
    void Create() {
        samples.Create();
        events.Create();
    }
};

// `text` cut to at most `limit` bytes. A cut that would split a UTF-8 character keeps the
// whole character out, so a remark typed with accents stays readable.
std::string_view CutText(std::string_view text, std::size_t limit);

}  // namespace varden
