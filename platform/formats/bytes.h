#pragma once

#include <QByteArray>
#include <cstddef>
#include <type_traits>

namespace tamiro {

// Numbers read out of untrusted bytes, byte by byte through checked indices:
// a read that does not fit in the bytes answers false and leaves the value
// as it was.
template <typename T> bool readLittle(const QByteArray& data, qsizetype at, T& value) {
    constexpr auto width = qsizetype(sizeof(T));
    if (at < 0 || at > data.size() - width)
        return false;
    std::make_unsigned_t<T> bits = 0;
    for (qsizetype i = width; i-- > 0;)
        bits = static_cast<std::make_unsigned_t<T>>((bits << 8) | quint8(data.at(at + i)));
    value = static_cast<T>(bits);
    return true;
}

template <typename T> bool readBig(const QByteArray& data, qsizetype at, T& value) {
    constexpr auto width = qsizetype(sizeof(T));
    if (at < 0 || at > data.size() - width)
        return false;
    std::make_unsigned_t<T> bits = 0;
    for (qsizetype i = 0; i < width; ++i)
        bits = static_cast<std::make_unsigned_t<T>>((bits << 8) | quint8(data.at(at + i)));
    value = static_cast<T>(bits);
    return true;
}

} // namespace tamiro
