#include "util/words.h"

#include <array>
#include <string_view>

#include <fmt/format.h>

#include "util/amounts.h"

namespace tarvo {
namespace {

enum class Gender { Masculine, Feminine };

// Indexed by the digit; index 0 is never used.
constexpr std::array<std::string_view, 10> kUnitMasculine = {"", "jedan", "dva", "tri", "četiri", "pet", "šest", "sedam", "osam", "devet"};
constexpr std::array<std::string_view, 10> kUnitFeminine = {"", "jedna", "dvije", "tri", "četiri", "pet", "šest", "sedam", "osam", "devet"};
constexpr std::array<std::string_view, 10> kTeensStem = {"", "jeda", "dva", "tri", "četr", "pet", "šes", "sedam", "osam", "devet"};
constexpr std::array<std::string_view, 10> kTensStem = {"", "", "dva", "tri", "četr", "pe", "šez", "sedam", "osam", "deve"};
constexpr std::array<std::string_view, 10> kHundredsStem = {"", "", "dvje", "tri", "četiri", "pet", "še", "sedam", "osam", "devet"};

// 1 <= number <= 999
std::string groupWords(long long number, Gender gender) {
    const auto hundreds = static_cast<std::size_t>(number / 100);
    const auto tens = static_cast<std::size_t>(number % 100 / 10);
    const auto units = static_cast<std::size_t>(number % 10);
    const auto& unitWords = gender == Gender::Feminine ? kUnitFeminine : kUnitMasculine;

    std::string words;
    if (hundreds > 0) words = std::string(kHundredsStem[hundreds]) + "sto";
    if (tens >= 2) {
        words += std::string(kTensStem[tens]) + "deset";
        if (units > 0) words += unitWords[units];
    } else if (tens == 1) {
        words += units == 0 ? std::string("deset") : std::string(kTeensStem[units]) + "naest";
    } else if (units > 0) {
        words += unitWords[units];
    }
    return words;
}

bool isTwoToFour(long long lastDigit, long long lastTwo) {
    return lastDigit >= 2 && lastDigit <= 4 && (lastTwo < 12 || lastTwo > 14);
}

bool isOne(long long lastDigit, long long lastTwo) { return lastDigit == 1 && lastTwo != 11; }

std::string scaledGroupWords(int group, long long number) {
    const long long d = number % 10;
    const long long e = number % 100;
    switch (group) {
        case 0:
            return groupWords(number, Gender::Feminine);
        case 1:
            return groupWords(number, Gender::Feminine) + (isTwoToFour(d, e) ? "hiljade" : "hiljada");
        case 2:
            return groupWords(number, Gender::Masculine) + (isOne(d, e) ? "milion" : "miliona");
        case 3:
            return groupWords(number, Gender::Feminine) +
                   (isOne(d, e) ? "milijarda" : isTwoToFour(d, e) ? "milijarde" : "milijardi");
        default:
            return groupWords(number, Gender::Masculine) + (isOne(d, e) ? "bilion" : "biliona");
    }
}

}  // namespace

std::string amountInWords(double amount) {
    const long long cents = toCents(amount);
    const long long magnitude = cents < 0 ? -cents : cents;
    long long whole = magnitude / 100;
    const long long hundredths = magnitude % 100;

    std::string result;
    if (hundredths != 0) result = fmt::format("{}{}/100", whole > 0 ? " i " : "", hundredths);
    for (int group = 0; group < 5 && whole != 0; ++group, whole /= 1000) {
        const long long number = whole % 1000;
        if (number != 0) result.insert(0, scaledGroupWords(group, number));
    }
    if (cents < 0) result.insert(0, "minus ");
    return result;
}

}  // namespace tarvo
