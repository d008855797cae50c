// Walks a record through its layout table, one field at a time, so that writing, reading and
// measuring a record all follow the same table. A layout table is an overload of
// `Fields(record, field)` that calls field(offset, name, member) for every member in file order;
// offsets are relative to the start of the record. Members that have their own table are walked
// recursively; arrays are walked element by element.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "model/byte_io.h"
#include "model/fixed_text.h"
#include "model/group_arrays.h"

namespace kv::layout {

template <typename T>
struct IsFixedText : std::false_type {};
template <std::size_t N>
struct IsFixedText<FixedText<N>> : std::true_type {};

template <typename T>
struct IsStdArray : std::false_type {};
template <typename E, std::size_t N>
struct IsStdArray<std::array<E, N>> : std::true_type {};

template <typename T>
struct IsGroupArray : std::false_type {};
template <typename E>
struct IsGroupArray<PerGroup<E>> : std::true_type {};
template <typename E>
struct IsGroupArray<PerGroupPair<E>> : std::true_type {};

template <typename T>
concept Scalar = std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::uint8_t> ||
    std::is_same_v<T, std::int32_t> || std::is_same_v<T, double> || IsFixedText<T>::value;

// Width in bytes of a scalar field in the files.
template <Scalar T>
constexpr std::size_t ScalarWidth() {
    if constexpr (IsFixedText<T>::value)
        return T::kSize;
    else
        return sizeof(T);
}

// A stream provides position(), expectAt(offset, name) and scalar(value).
template <typename Stream, typename T>
constexpr void Walk(Stream& stream, T& value) {
    using Plain = std::remove_const_t<T>;
    if constexpr (Scalar<Plain>) {
        stream.scalar(value);
    } else if constexpr (IsStdArray<Plain>::value) {
        for (auto& element : value) Walk(stream, element);
    } else if constexpr (IsGroupArray<Plain>::value) {
        Walk(stream, value.values);
    } else {
        const std::size_t base = stream.position();
        Fields(value, [&](std::size_t offset, const char* name, auto& member) {
            stream.expectAt(base + offset, name);
            Walk(stream, member);
        });
    }
}

// Serialises fields little-endian through a ByteWriter.
class WriteStream {
public:
    explicit WriteStream(std::vector<std::uint8_t>& out)
        : out_(out), writer_(out), start_(out.size()) {}

    std::size_t position() const { return out_.size() - start_; }
    void expectAt(std::size_t, const char*) {}
    template <typename T>
    void scalar(const T& value) {
        if constexpr (IsFixedText<T>::value)
            writer_.text(value);
        else if constexpr (std::is_same_v<T, std::int16_t>)
            writer_.i16(value);
        else if constexpr (std::is_same_v<T, std::uint8_t>)
            writer_.u8(value);
        else if constexpr (std::is_same_v<T, std::int32_t>)
            writer_.i32(value);
        else
            writer_.f64(value);
    }

private:
    std::vector<std::uint8_t>& out_;
    ByteWriter writer_;
    std::size_t start_;
};

// Reads fields through a bounds-checked ByteReader; a short input sets the reader's failure flag.
class ReadStream {
public:
    explicit ReadStream(ByteReader& reader) : reader_(reader), start_(reader.position()) {}

    std::size_t position() const { return reader_.position() - start_; }
    void expectAt(std::size_t, const char*) {}
    template <typename T>
    void scalar(T& value) {
        if constexpr (IsFixedText<T>::value)
            reader_.text(value);
        else if constexpr (std::is_same_v<T, std::int16_t>)
            value = reader_.i16();
        else if constexpr (std::is_same_v<T, std::uint8_t>)
            value = reader_.u8();
        else if constexpr (std::is_same_v<T, std::int32_t>)
            value = reader_.i32();
        else
            value = reader_.f64();
    }

private:
    ByteReader& reader_;
    std::size_t start_;
};

// Adds up field widths and notes the first table row whose stated offset is not where the
// fields before it end. Usable in constant expressions.
class MeasureStream {
public:
    constexpr std::size_t position() const { return position_; }
    constexpr void expectAt(std::size_t offset, const char* name) {
        if (offset != position_ && misplaced_ == nullptr) misplaced_ = name;
    }
    template <typename T>
    constexpr void scalar(const T&) {
        position_ += ScalarWidth<T>();
    }
    constexpr const char* misplaced() const { return misplaced_; }

private:
    std::size_t position_ = 0;
    const char* misplaced_ = nullptr;
};

struct LayoutCheck {
    std::size_t size = 0;
    const char* misplaced = nullptr;  // first row whose offset disagrees with the widths before it
};

template <typename Record>
constexpr LayoutCheck CheckLayout() {
    Record record{};
    MeasureStream measure;
    Walk(measure, record);
    return {measure.position(), measure.misplaced()};
}

}  // namespace kv::layout
