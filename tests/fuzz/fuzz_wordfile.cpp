// Any bytes as the word file abu.txt: the words are the file's lines, none holds a line
// end, and the words written back one a line read back unchanged.
#include "data/oracle.h"
#include "fuzzfolder.h"
#include "platform/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvenik;
    auto& scratch = fuzz::ScratchFolder::instance();
    const std::filesystem::path file = wordFilePath(scratch.root());
    const auto relative = file.lexically_relative(scratch.root());
    scratch.put(relative, std::string_view(reinterpret_cast<const char*>(data), size));
    const auto words = readWordFile(file);
    fuzz::check(words.ok());
    std::string text;
    for (const std::string& word : *words) {
        fuzz::check(word.find_first_of("\r\n") == std::string::npos);
        text += word + "\r\n";
    }
    scratch.put(relative, encode1250(text));
    const auto back = readWordFile(file);
    fuzz::check(back && *back == *words);
    return 0;
}
