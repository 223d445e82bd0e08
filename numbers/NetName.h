#pragma once
// The net-name reading: the trait of the last letter of a nickname's letter code.
#include <string>
#include <string_view>

// The trait of a nickname (UTF-8): GetPyCode initials with "?" for characters without a
// reading, digits turned into letters, the last character in lower case. Empty when the
// nickname is empty or its code ends in anything but a letter.
std::string GetNetNameInfo(std::string_view nickname);

// Every digit replaced by its letter: 1 -> A ... 9 -> I, 0 -> J.
std::string DigitsToLetters(std::string_view text);

// The trait of a lower-case letter a..z; empty for any other character.
std::string_view GetLetterTrait(char letter);
