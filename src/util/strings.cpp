#include "util/strings.h"

#include <algorithm>

namespace tarvo {
namespace {

bool isTrimmable(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::size_t countLeading(std::string_view text, char c) {
    const std::size_t pos = text.find_first_not_of(c);
    return pos == std::string_view::npos ? text.size() : pos;
}

std::size_t countTrailing(std::string_view text, char c) {
    const std::size_t pos = text.find_last_not_of(c);
    return pos == std::string_view::npos ? text.size() : text.size() - pos - 1;
}

std::vector<std::string_view> splitAtAny(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
        if (end > start) pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

}  // namespace

std::string trimmedLeft(std::string_view text) {
    while (!text.empty() && isTrimmable(text.front())) text.remove_prefix(1);
    return std::string(text);
}

std::string trimmedRight(std::string_view text) {
    while (!text.empty() && isTrimmable(text.back())) text.remove_suffix(1);
    return std::string(text);
}

std::string trimmed(std::string_view text) { return trimmedLeft(trimmedRight(text)); }

bool looksLikeNumber(std::string_view text) {
    const std::string number = trimmed(text);
    std::string_view rest = number;
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) rest.remove_prefix(1);
    bool digit = false;
    bool separator = false;
    for (char c : rest) {
        if (isDigit(c)) {
            digit = true;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::string padRight(std::string_view text, int width, char filler) {
    const auto target = static_cast<std::size_t>(std::max(width, 0));
    const std::size_t length = utf8Length(text);
    if (length >= target) {
        const std::size_t keep = looksLikeNumber(text) ? std::max(target, length - countTrailing(text, ' ')) : target;
        return utf8Substr(text, 0, keep);
    }
    return std::string(text) + std::string(target - length, filler);
}

std::string padLeft(std::string_view text, int width, char filler) {
    const auto target = static_cast<std::size_t>(std::max(width, 0));
    const std::size_t length = utf8Length(text);
    if (length >= target) {
        const std::size_t keep = looksLikeNumber(text) ? std::max(target, length - countLeading(text, ' ')) : target;
        return utf8Substr(text, length - keep);
    }
    return std::string(target - length, filler) + std::string(text);
}

std::string centerText(std::string_view text, int width) {
    const auto target = static_cast<std::size_t>(std::max(width, 0));
    const std::size_t length = utf8Length(text);
    if (length >= target) return utf8Substr(text, length - target);
    const std::size_t left = (target - length) / 2;
    return std::string(left, ' ') + std::string(text) + std::string(target - length - left, ' ');
}

std::string spaceOutChars(std::string_view text) {
    std::string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = decodeUtf8(text, pos).size;
        if (!out.empty()) out += ' ';
        out.append(text.substr(pos, size));
        pos += size;
    }
    return out;
}

std::string removeChars(std::string_view text, bool removeDots, bool removeCommas, bool removeBlanks) {
    std::string out;
    for (char c : text) {
        if ((removeDots && c == '.') || (removeCommas && c == ',') || (removeBlanks && c == ' ')) continue;
        out += c;
    }
    return out;
}

std::string leadingLetters(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!isAsciiLetter(c)) break;
        out += static_cast<char>(c >= 'a' ? c - ('a' - 'A') : c);
    }
    return out;
}

std::string nextLetterCode(std::string_view code) {
    std::string next(code);
    for (auto i = next.size(); i-- > 0;) {
        if (next[i] == 'Z' || next[i] == 'z') {
            next[i] = static_cast<char>(next[i] - ('Z' - 'A'));
        } else {
            ++next[i];
            return next;
        }
    }
    return "A" + next;
}

std::string safeIdentifier(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (std::string_view("\\\". '-/").find(c) != std::string_view::npos) c = '_';
    return out;
}

SplitAtFirst splitAtFirst(std::string_view text, std::string_view separator, std::string_view defaultAfter) {
    const std::size_t pos = separator.empty() ? std::string_view::npos : text.find(separator);
    if (pos == std::string_view::npos || pos == 0) return {false, "", std::string(defaultAfter)};
    return {true, std::string(text.substr(0, pos)), std::string(text.substr(pos + separator.size()))};
}

NumberAndText splitNumberAndText(std::string_view text) {
    NumberAndText result;
    for (std::string_view piece : splitAtAny(text, " ,")) {
        if (result.number.empty() && result.rest.empty() && isDigit(piece.front())) {
            result.number = std::string(piece);
            continue;
        }
        if (!result.rest.empty()) result.rest += ' ';
        result.rest += piece;
    }
    result.rest = trimmed(result.rest);
    return result;
}

std::string nthWord(std::string_view text, int n, bool fromEnd) {
    const std::vector<std::string_view> words = splitAtAny(text, " #,");
    if (n < 1 || static_cast<std::size_t>(n) > words.size()) return "";
    const auto index = static_cast<std::size_t>(n - 1);
    return std::string(fromEnd ? words[words.size() - 1 - index] : words[index]);
}

}  // namespace tarvo
