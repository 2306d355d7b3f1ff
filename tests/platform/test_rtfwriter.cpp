#include "platform/rtfwriter.h"

#include "platform/rtfreader.h"
#include "platform/text.h"
#include "richprint.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarvenik;

namespace {

RichDoc readBack(const RichDoc& doc) {
    Result<RichDoc> back = readRtf(writeRtf(doc));
    EXPECT_TRUE(back.ok()) << back.error().text();
    return back.ok() ? *back : RichDoc{};
}

// Every character Windows-1250 holds, its upper half read from the codec itself.
std::string all1250() {
    std::string bytes;
    for (int b = 0x20; b < 0x100; ++b) {
        bytes += static_cast<char>(b);
    }
    return decode1250(bytes);
}

TEST(RtfWriter, WritesWindows1250WithEscapesAndOneParPerParagraph) {
    RichDoc doc;
    CharStyle title;
    title.bold = true;
    title.halfPoints = 28;
    appendLine(doc, "Kůň {a} \\ ;", title, Alignment::Center);
    appendLine(doc, "Жук 😀\t€");
    appendLine(doc, "");
    const std::string rtf = writeRtf(doc);

    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1250", 0), 0u);
    EXPECT_NE(rtf.find("{\\f0\\fnil\\fcharset238 Arial;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\qc"), std::string::npos);
    EXPECT_NE(rtf.find("\\b\\fs28 K\\'f9\\'f2 \\{a\\} \\\\ ;"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\u1046?\\u1091?\\u1082? \\u-10179?\\u-8704?\\tab \\'80"),
              std::string::npos)
        << rtf;
    std::size_t pars = 0;
    for (std::size_t at = rtf.find("\\par"); at != std::string::npos;
         at = rtf.find("\\par", at + 1)) {
        pars += rtf.compare(at, 5, "\\pard") != 0;
    }
    EXPECT_EQ(pars, 3u);
    for (char c : rtf) {
        EXPECT_LT(static_cast<unsigned char>(c), 0x80u) << "RTF is 7-bit";
    }
    EXPECT_EQ(readBack(doc), doc);
}

TEST(RtfWriter, RoundTripsEveryWindows1250CharacterInEveryStyle) {
    const std::string chars = all1250();
    RichDoc doc;
    const Alignment aligns[] = {Alignment::Left, Alignment::Center, Alignment::Right,
                                Alignment::Justify};
    const std::optional<Color> colors[] = {std::nullopt, kSilver, Color{255, 0, 0}, Color{0, 0, 0}};
    const std::string fonts[] = {"Arial", "Times New Roman", "Tahoma", ""};
    for (int i = 0; i < 16; ++i) {
        CharStyle s;
        s.bold = i & 1;
        s.italic = i & 2;
        s.underline = i & 4;
        s.halfPoints = 8 + 2 * i;
        s.color = colors[i % 4];
        s.font = fonts[(i / 4) % 4];
        appendLine(doc, chars, s, aligns[i % 4]);
        appendLine(doc, "", s); // empty lines keep their own size
    }
    EXPECT_EQ(readBack(doc), doc);
}

TEST(RtfWriter, RoundTripsGeneratedDocuments) {
    std::mt19937 rng(1250);
    const std::u32string pool = U"aAzZ09 :;{}\\\t~-?'čšžřůĚŠŽÁÍÉ€„“”–—…ЖжΩ😀✓\u00A0\u00AD";
    for (int round = 0; round < 200; ++round) {
        RichDoc doc;
        const int paragraphs = static_cast<int>(rng() % 6);
        for (int p = 0; p < paragraphs; ++p) {
            Paragraph para;
            para.align = static_cast<Alignment>(rng() % 4);
            const int runs = static_cast<int>(rng() % 5);
            for (int r = 0; r < runs; ++r) {
                tarvenik::Run run;
                const int len = 1 + static_cast<int>(rng() % 8);
                for (int k = 0; k < len; ++k) {
                    appendUtf8(run.text, pool[rng() % pool.size()]);
                }
                run.style.bold = rng() % 2;
                run.style.italic = rng() % 2;
                run.style.underline = rng() % 2;
                run.style.halfPoints = 2 + static_cast<int>(rng() % 100);
                if (rng() % 2) {
                    run.style.color = Color{static_cast<std::uint8_t>(rng()), 0,
                                            static_cast<std::uint8_t>(rng())};
                }
                run.style.font = rng() % 3 ? "Arial" : "Font;{x}\\ č";
                para.runs.push_back(run);
            }
            para.endStyle.halfPoints = 2 + static_cast<int>(rng() % 50);
            normalise(para);
            doc.paragraphs.push_back(para);
        }
        ASSERT_EQ(readBack(doc), doc) << writeRtf(doc);
    }
}

TEST(RtfWriter, FileWriteIsReadBack) {
    test::TempFolder dir;
    RichDoc doc;
    appendLine(doc, "Uložený text");
    ASSERT_TRUE(writeRtfFile(dir / "a.rtf", doc).ok());
    const Result<RichDoc> back = readRtfFile(dir / "a.rtf");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, doc);

    const Result<void> bad = writeRtfFile(dir / "missing" / "b.rtf", doc);
    ASSERT_FALSE(bad.ok());
    EXPECT_NE(bad.error().text().find("b.rtf"), std::string::npos);
}

} // namespace
