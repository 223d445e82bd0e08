#pragma once
// The omens of seven bodily signs by the double hour in which they happen: fixed texts, one
// page per kind. 0 sneezing, 1 a burning face, 2 a start of the heart, 3 a barking dog,
// 4 a twitching eye, 5 burning ears, 6 ringing ears.
#include <span>
#include <string>
#include <string_view>

inline constexpr int kOmenKinds = 7;

// The entries of a kind in page order; empty for a kind outside 0..6.
std::span<const std::string_view> OmenEntries(int kind);

// A kind's page: its entries with one empty line between consecutive ones.
std::string OmenPageText(int kind);

// The title the main window's command opens a kind with; empty outside 0..6.
std::string_view OmenTitle(int kind);

// The legend under the page, line by line: the clock hours of the twelve double hours.
std::span<const std::string_view> OmenLegendLines();
