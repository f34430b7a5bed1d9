// The bytes of a Qt byte array as the readers of pictures and clips take them.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <span>

namespace zavkari {

inline std::span<const std::uint8_t> bytesOf(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()),
            static_cast<std::size_t>(data.size())};
}

}  // namespace zavkari
