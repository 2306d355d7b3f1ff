#include "core/oracledraw.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tarvenik {

std::vector<std::string> drawOracleLines(int from, int to, const std::vector<std::string>& lines,
                                         std::mt19937& random) {
    if (to < from || lines.empty()) {
        return {};
    }
    const int count = std::uniform_int_distribution<int>(from, to)(random);
    std::uniform_int_distribution<std::size_t> pick(0, lines.size() - 1);
    std::vector<std::string> drawn;
    drawn.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        drawn.push_back(lines[pick(random)]);
    }
    return drawn;
}

std::string oracleUsageText() {
    constexpr std::array<std::string_view, 13> kLines{
        "Použití:",
        "1) vyslovte - i v duchu - otázku",
        "2) soustřeďte se. dobré je nemyslet pokud možno na nic",
        "3) stiskněte tlačítko \"Věšti!\"",
        "4) obdržíte náhodná slova ze souboru abu.txt, interperetujte podle situace",
        "   (je třeba přemýšlet, jak spolu slova souvisí a jak souvisí se zadanou otázkou...)",
        "",
        "Dále...",
        "* můžete nastavit počet slov - rozsah nastavte v boxech pro zápis čísel",
        "* není zaručena kvalita věštby",
        "* čím je více řádků ve vstupním souboru, tím by věštba měla být přesnější",
        "",
        "Příjemnou zábavu!",
    };
    std::string text;
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        text += (i > 0 ? "\r" : "");
        text += kLines[i];
    }
    return text;
}

} // namespace tarvenik
