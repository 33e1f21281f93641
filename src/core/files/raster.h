#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace ormel {

// An allocator that leaves new bytes uninitialised, so that a raster about to be overwritten
// is not filled first.
template <typename T>
struct DefaultInitAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = DefaultInitAllocator<U>;
    };
    using std::allocator<T>::allocator;
    template <typename U>
    void construct(U* p)
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// A 24-bit raster: rows top to bottom, each pixel blue, green, red, each row padded to a
// multiple of 4 bytes (the layout QImage::Format_BGR888 can wrap without a copy).
class Raster {
public:
    Raster() = default;
    Raster(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return stride_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    // Changes the size; every byte becomes 255 (white), as for a fresh raster.
    // A negative or zero dimension gives an empty raster.
    void resize(int width, int height);
    // Changes the size and leaves the contents unspecified: for callers that write every row.
    void resizeForOverwrite(int width, int height);
    void fill(std::uint8_t blue, std::uint8_t green, std::uint8_t red);

    std::uint8_t* row(int y) { return data_.data() + static_cast<std::size_t>(y) * stride_; }
    const std::uint8_t* row(int y) const { return data_.data() + static_cast<std::size_t>(y) * stride_; }
    std::uint8_t* pixel(int x, int y) { return row(y) + 3 * x; }
    const std::uint8_t* pixel(int x, int y) const { return row(y) + 3 * x; }

    std::uint8_t* data() { return data_.data(); }
    const std::uint8_t* data() const { return data_.data(); }
    std::size_t byteCount() const { return data_.size(); }

    static int strideFor(int width) { return (width * 3 + 3) & ~3; }

    bool operator==(const Raster& other) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    std::vector<std::uint8_t, DefaultInitAllocator<std::uint8_t>> data_;
};

} // namespace ormel
