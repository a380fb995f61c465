#include "reports/engine/page_stream.h"

#include <stdexcept>

namespace reports {

double TextOp::left() const {
    switch (align) {
        case Justify::Left:
            return x;
        case Justify::Center:
            return x - width / 2;
        case Justify::Right:
            return x - width;
    }
    return x;
}

std::vector<const TextOp*> Page::texts() const {
    std::vector<const TextOp*> out;
    for (const auto& op : ops) {
        if (const auto* text = std::get_if<TextOp>(&op))
            out.push_back(text);
    }
    return out;
}

std::string Page::plainText() const {
    std::string out;
    for (const auto* text : texts()) {
        if (!out.empty())
            out += '\n';
        out += text->text;
    }
    return out;
}

const Page& PageStream::page(std::size_t number) const {
    if (number < 1 || number > pages_.size()) {
        throw std::out_of_range("report page " + std::to_string(number) + " of " +
                                std::to_string(pages_.size()));
    }
    return pages_[number - 1];
}

}  // namespace reports
