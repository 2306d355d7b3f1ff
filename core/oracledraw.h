#pragma once
// The word oracle "Věštění": a random number of lines drawn at random from the word file.

#include <random>
#include <string>
#include <vector>

namespace tarvenik {

// A count uniform in from..to, then that many lines, each drawn independently (a line can
// come more than once), in draw order. Nothing when to < from or there are no lines.
std::vector<std::string> drawOracleLines(int from, int to, const std::vector<std::string>& lines,
                                         std::mt19937& random);

// The usage text of the "Informace" button; lines separated by carriage returns.
std::string oracleUsageText();

} // namespace tarvenik
