#include "core/text_store.h"

#include <algorithm>
#include <cstring>

namespace mAPI {

TextStore::Place TextStore::Add(std::string_view text) {
    text = text.substr(0, std::min(text.find('\0'), text.size()));
    const std::size_t need = text.size() + 1;
    bytes_ += need;
    char* at = nullptr;
    Place place = 0;
    if (need > kChunk) {
        chunks_.push_back(std::make_unique<char[]>(need));
        place = static_cast<Place>((chunks_.size() - 1) << kOffsetBits);
        at = chunks_.back().get();
    } else {
        if (used_ + need > kChunk) {
            chunks_.push_back(std::make_unique<char[]>(kChunk));
            current_ = chunks_.size() - 1;
            used_ = 0;
        }
        place = static_cast<Place>(current_ << kOffsetBits | used_);
        at = chunks_[current_].get() + used_;
        used_ += need;
    }
    std::memcpy(at, text.data(), text.size());
    at[text.size()] = '\0';
    return place;
}

std::string_view TextStore::At(Place place) const {
    return chunks_[place >> kOffsetBits].get() + (place & (kChunk - 1));
}

void TextStore::Clear() {
    std::vector<std::unique_ptr<char[]>>().swap(chunks_);
    current_ = 0;
    used_ = kChunk;
    bytes_ = 0;
}

} // namespace mAPI
