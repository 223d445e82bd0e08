#pragma once
// The tables behind the blood type, zodiac and star-sign readings.
#include <cstddef>

struct PersonalText {
    const char* key;
    const char* text;
};

extern const PersonalText kBloodTypeTexts[];
extern const size_t kBloodTypeCount;
extern const PersonalText kZodiacTexts[];
extern const size_t kZodiacCount;
extern const PersonalText kStarSignTexts[];
extern const size_t kStarSignCount;
