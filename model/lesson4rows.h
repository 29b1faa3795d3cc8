#pragma once

#include <QStringView>
#include <span>
#include <stdexcept>

// How the lesson's content files file their rows: each under its exercise's window name.
namespace kerbu::lesson4 {

template <typename Content> struct Named {
    const char16_t* window{};
    Content content{};
};

// The row of that window; std::invalid_argument where there is none.
template <typename Content>
const Content& named(std::span<const Named<Content>> rows, QStringView window) {
    for (const Named<Content>& row : rows) {
        if (window == QStringView(row.window))
            return row.content;
    }
    throw std::invalid_argument("no exercise of that name has such content");
}

} // namespace kerbu::lesson4
