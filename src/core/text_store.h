// Short texts side by side in chunks of 4 KiB, each found by the place it was given. A text
// longer than a chunk gets a chunk of its own. Unlike one growing buffer, the chunks leave no
// outgrown copies behind, which a heap keeps resident.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace mAPI {

class TextStore {
  public:
    using Place = std::uint32_t;

    // The text is kept up to its first NUL.
    Place Add(std::string_view text);
    std::string_view At(Place place) const;
    // Bytes taken by every text added since the last Clear.
    std::size_t Bytes() const { return bytes_; }
    void Clear();

  private:
    static constexpr unsigned kOffsetBits = 12;
    static constexpr std::size_t kChunk = std::size_t{1} << kOffsetBits;

    std::vector<std::unique_ptr<char[]>> chunks_;
    std::size_t current_ = 0; // the chunk being filled
    std::size_t used_ = kChunk;
    std::size_t bytes_ = 0;
};

} // namespace mAPI
