// RTF as real editors write it. The samples follow the shape of what WordPad, Word 2003 and
// LibreOffice save (header tables, style sheets, fields, tables, pictures, \u with
// fall-backs), written by hand for these tests.
#include "platform/rtfreader.h"

#include "richprint.h"
#include "tests/tempfolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

using namespace tarvenik;

namespace {

RichDoc read(std::string_view rtf) {
    Result<RichDoc> doc = readRtf(rtf);
    EXPECT_TRUE(doc.ok()) << doc.error().text();
    return doc.ok() ? *doc : RichDoc{};
}

std::vector<std::string> texts(const RichDoc& doc) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < doc.paragraphs.size(); ++i) {
        out.push_back(paragraphText(doc, i));
    }
    return out;
}

CharStyle style(int halfPoints, std::string font, bool bold = false) {
    CharStyle s;
    s.halfPoints = halfPoints;
    s.font = std::move(font);
    s.bold = bold;
    return s;
}

// WordPad on a Czech Windows: Windows-1250 bytes under a font with \fcharset238, the
// real font name hidden in \*\fname, a bullet list written as \pntext.
constexpr std::string_view kWordPad =
    R"({\rtf1\ansi\ansicpg1250\deff0\deflang1029{\fonttbl{\f0\fswiss\fcharset238{\*\fname Arial;}Arial CE;}{\f1\fnil\fcharset2 Symbol;}}
{\colortbl ;\red255\green0\blue0;}
{\*\generator Msftedit 5.41.21.2510;}\viewkind4\uc1\pard\qc\b\f0\fs28 P\'f8\'edli\'9a \'9elu\'9dou\'e8k\'fd k\'f9\'f2\b0\fs20\par
\pard Barva: \cf1 \'e8erven\'e1\cf0  a zase \i kurz\'edva\i0\par
{\pntext\f1\'b7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'b7}}\fi-720\li720 Polo\'9eka\par
}
)";

TEST(RtfReaderSamples, WordPadCzech) {
    const RichDoc doc = read(kWordPad);
    ASSERT_EQ(texts(doc),
              (std::vector<std::string>{"Příliš žluťoučký kůň", "Barva: červená a zase kurzíva",
                                        "·\tPoložka"}));
    const Paragraph& title = doc.paragraphs[0];
    EXPECT_EQ(title.align, Alignment::Center);
    ASSERT_EQ(title.runs.size(), 1u);
    EXPECT_EQ(title.runs[0].style, style(28, "Arial CE", true));
    EXPECT_EQ(title.endStyle, style(20, "Arial CE"));

    const Paragraph& body = doc.paragraphs[1];
    EXPECT_EQ(body.align, Alignment::Left);
    ASSERT_EQ(body.runs.size(), 4u);
    EXPECT_EQ(body.runs[0].text, "Barva: ");
    EXPECT_EQ(body.runs[1].text, "červená");
    EXPECT_EQ(body.runs[1].style.color, (Color{255, 0, 0}));
    EXPECT_EQ(body.runs[2].text, " a zase ");
    EXPECT_FALSE(body.runs[2].style.color.has_value());
    EXPECT_EQ(body.runs[3].text, "kurzíva");
    EXPECT_TRUE(body.runs[3].style.italic);

    // The bullet's group ends, so the item's text is back in the body font.
    EXPECT_EQ(doc.paragraphs[2].runs[0].style.font, "Symbol");
    EXPECT_EQ(doc.paragraphs[2].runs[1].style.font, "Arial CE");
}

// Word 2003: style sheet, info, a header, section and list settings, a hyperlink field,
// a two-cell table, a PNG picture with its WMF twin, \u with one fall-back byte.
constexpr std::string_view kWord2003 =
    R"({\rtf1\ansi\ansicpg1250\uc1\deff0\stshfdbch0\stshfloch0\stshfhich0\stshfbi0\deflang1029\deflangfe1029{\fonttbl{\f0\froman\fcharset238\fprq2{\*\panose 02020603050405020304}Times New Roman;}
{\f1\fswiss\fcharset238\fprq2{\*\panose 020b0604020202020204}Arial;}{\f37\froman\fcharset0\fprq2 Times New Roman;}{\f38\froman\fcharset204\fprq2 Times New Roman Cyr;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red128\green128\blue128;}{\stylesheet{\ql \li0\ri0\widctlpar\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \fs24\lang1029\langfe1029\cgrid\langnp1029\langfenp1029 \snext0 Normal;}{\*\cs10 \additive \ssemihidden Default Paragraph Font;}{\s15\ql \sbasedon0 \snext15 Z\'e1hlav\'ed;}}
{\info{\title Slune\'e8n\'ed horoskop}{\author Jan Nov\'e1k}{\operator Jan}{\creatim\yr2005\mo3\dy1\hr10\min5}{\version1}{\edmins0}{\nofpages1}{\nofwords5}}\paperw11906\paperh16838\margl1417\margr1417\margt1417\margb1417 \widowctrl\ftnbj\aenddoc\hyphhotz425\noxlattoyen\expshrtn\noultrlspc\dntblnsbdb\nospaceforul\formshade\horzdoc\dgmargin\dghspace180\dgvspace180\jexpand\viewkind1\viewscale100\pgbrdrhead\pgbrdrfoot\splytwnine\ftnlytwnine\htmautsp\nolnhtadjtbl\useltbaln\alntblind\lytcalctblwd\lyttblrtgr\lnbrkrule\nobrkwrptbl\snaptogridincell\allowfieldendsel\wrppunct\asianbrkrule\rsidroot1234\newtblstyruls\nogrowautofit \fet0\sectd \linex0\headery708\footery708\colsx708\endnhere\sectlinegrid360\sectdefaultcl\sftnbj {\header \pard\plain \s15\ql \li0\ri0\widctlpar\tqc\tx4536\tqr\tx9072\itap0 \fs24\lang1029 {Z\'e1hlav\'ed str\'e1nky\par }}{\footer \pard\plain \s16\qr \fs24 {\field{\*\fldinst { PAGE }}{\fldrslt {1}}}\par }{\*\pnseclvl1\pnucrm\pnstart1\pnindent720\pnhang {\pntxta .}}
\pard\plain \qc \li0\ri0\widctlpar\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \fs24\lang1029\langfe1029\cgrid\langnp1029\langfenp1029 {\b\f1\fs28 Beran}{\b\f1\fs28 \par }
\pard \ql \li0\ri0\widctlpar\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 {\f1\fs20 Kontakt: }{\field{\*\fldinst {\f1\fs20  HYPERLINK "http://example.cz/" }}{\fldrslt {\cs15\f1\fs20\ul\cf2 str\'e1nky}}}{\f1\fs20 \par }
\trowd \trgaph70\trleft-70\trbrdrt\brdrs\brdrw10 \trftsWidth1\trautofit1 \clvertalt\clbrdrt\brdrs\brdrw10 \cltxlrtb\clftsWidth3\clwWidth4606 \cellx4536\clvertalt\cltxlrtb\clftsWidth3\clwWidth4606 \cellx9142\pard\plain \ql \li0\ri0\widctlpar\intbl\aspalpha\aspnum\faauto\adjustright\rin0\lin0 \fs24\lang1029 {\f1\fs20 Jm\'e9no\cell \'c8\'edslo\cell }\pard\plain \ql \li0\ri0\widctlpar\intbl\aspalpha\aspnum\faauto\adjustright\rin0\lin0 \fs24\lang1029 {\f1\fs20 \trowd \trgaph70\trleft-70 \cellx4536\cellx9142\row }
\pard \ql \li0\ri0\widctlpar\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 {\f1\fs20 {\*\shppict{\pict{\*\picprop\shplid1025{\sp{\sn shapeType}{\sv 75}}{\sp{\sn fLayoutInCell}{\sv 1}}}\picscalex100\picscaley100\piccropl0\piccropr0\piccropt0\piccropb0\picw529\pich529\picwgoal300\pichgoal300\pngblip\bliptag-1234{\*\blipuid 0123456789abcdef0123456789abcdef}
89504e470d0a1a0a0000000d4948445200000010000000100803000000282d0f530000000467414d410000b18f0bfc6105
}}{\nonshppict{\pict\picscalex100\picscaley100\picw529\pich529\picwgoal300\pichgoal300\wmetafile8\bliptag-1234 0100090000037a00000000005100000000000400000003010800050000000b0200000000050000000c021000
}}}{\f1\fs20 Za obr\'e1zkem: \u8364\'80 a \u1046\'3f a \u10003\'3f\par }
{\f38\fs20 \'c6\'e0\'f0\par }
{\f1\fs20 \emdash  \ldblquote uvozovky\rdblquote \~a\-b\_c\par }}
)";

TEST(RtfReaderSamples, Word2003) {
    const RichDoc doc = read(kWord2003);
    ASSERT_EQ(texts(doc), (std::vector<std::string>{
                              "Beran",
                              "Kontakt: stránky",
                              "Jméno",
                              "Číslo",
                              "Za obrázkem: € a Ж a ✓",
                              "Жар",
                              "— “uvozovky”\u00A0ab\u2011c",
                          }));
    EXPECT_EQ(doc.paragraphs[0].align, Alignment::Center);
    EXPECT_EQ(doc.paragraphs[0].runs[0].style, style(28, "Arial", true));
    EXPECT_EQ(doc.paragraphs[1].align, Alignment::Left);
    const tarvenik::Run& link = doc.paragraphs[1].runs.at(1);
    EXPECT_EQ(link.text, "stránky");
    EXPECT_TRUE(link.style.underline);
    EXPECT_EQ(link.style.color, (Color{0, 0, 255}));
    EXPECT_EQ(link.style.halfPoints, 20);
    // \f38 is a Cyrillic font: its bytes are Windows-1251.
    EXPECT_EQ(doc.paragraphs[5].runs[0].style.font, "Times New Roman Cyr");
}

// LibreOffice: \u for every non-ASCII letter with a fall-back byte in a Latin-1 font,
// \falt inside the font name, a default font set by \deff3, \loch/\hich/\af noise.
constexpr std::string_view kLibreOffice =
    R"({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f2\fswiss\fprq2\fcharset0 Arial;}{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}{\f4\fswiss\fprq2\fcharset0 Liberation Sans{\*\falt Arial};}{\f5\fnil\fprq2\fcharset0 Noto Sans CJK SC;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red128\green128\blue128;}
{\stylesheet{\s0\snext0\dbch\af5\langfe2052\dbch\af6\afs24\alang1081\loch\f3\hich\af3\fs24\lang1029 Norm\u225\'e1ln\u237\'ed;}
{\s15\sbasedon0\snext16\ql\widctlpar\hyphpar0\sb240\sa120\keepn\ltrpar\cf0\dbch\af5\langfe2052\dbch\af6\afs28\alang1081\loch\f4\hich\af4\fs28\lang1029 Heading;}
}{\*\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}{\info{\creatim\yr2024\mo1\dy1\hr10\min0}{\revtim\yr2024\mo1\dy1\hr10\min1}{\printim\yr0\mo0\dy0\hr0\min0}}{\*\userprops}\deftab709
\hyphauto1\viewscale100\formshade\paperh16838\paperw11906\margl1134\margr1134\margt1134\margb1134\sectd\sbknone\pgndec\sftnnar\saftnnrlc\sectunlocked1\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\margtsxn1134\margbsxn1134\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc\aftnrstcont\aftnstart1\aftnnrlc\htmautsp
{\*\ftnsep\chftnsep}\pgndec\pard\plain \s0\widctlpar\hyphpar0\ltrpar\cf0\dbch\af5\langfe2052\dbch\af6\afs24\alang1081\loch\f3\hich\af3\fs24\lang1029\qc{\b\rtlch \ltrch\loch\fs28
Slune\u269\'e8n\u237\'ed horoskop}
\par \pard\plain \s0\widctlpar\hyphpar0\ltrpar\cf0\dbch\af5\langfe2052\dbch\af6\afs24\alang1081\loch\f3\hich\af3\fs24\lang1029\qj{\rtlch \ltrch\loch
\u381\'8elu\u357\'9dou\u269\'e8k\u253\'fd k\u367\'f9\u328\'f2 }{\cf3\i\rtlch \ltrch\loch\f4\fs16
\u250\'fapis}
\par \pard\plain \s0\widctlpar\hyphpar0\ltrpar\cf0\loch\f3\fs24\lang1029\qr{\uc0\u382\u367\u-10179\u-8704}
\par }
)";

TEST(RtfReaderSamples, LibreOffice) {
    const RichDoc doc = read(kLibreOffice);
    ASSERT_EQ(texts(doc), (std::vector<std::string>{"Sluneční horoskop", "Žluťoučký kůň úpis",
                                                    "žů\U0001F600"}));
    EXPECT_EQ(doc.paragraphs[0].align, Alignment::Center);
    EXPECT_EQ(doc.paragraphs[0].runs[0].style, style(28, "Liberation Serif", true));
    EXPECT_EQ(doc.paragraphs[1].align, Alignment::Justify);
    ASSERT_EQ(doc.paragraphs[1].runs.size(), 2u);
    CharStyle grey = style(16, "Liberation Sans");
    grey.italic = true;
    grey.color = Color{128, 128, 128};
    EXPECT_EQ(doc.paragraphs[1].runs[1].style, grey);
    EXPECT_EQ(doc.paragraphs[2].align, Alignment::Right);
}

TEST(RtfReader, NestedGroupsRestoreTheOuterStyle) {
    const RichDoc doc = read(R"({\rtf1{\fonttbl{\f0 Arial;}}\fs20 a{\b b{\i c{\ul d}e}f}g\par})");
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    const auto& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 7u);
    const std::string flags[] = {"", "B", "BI", "BIU", "BI", "B", ""};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const CharStyle& s = runs[i].style;
        std::string f =
            std::string(s.bold ? "B" : "") + (s.italic ? "I" : "") + (s.underline ? "U" : "");
        EXPECT_EQ(runs[i].text, std::string(1, static_cast<char>('a' + i)));
        EXPECT_EQ(f, flags[i]) << "run " << i;
    }
}

TEST(RtfReader, CodePagesFollowTheFontCharset) {
    struct Case {
        int charset;
        std::string expected; // what the bytes c8 e0 f0 mean in that code page
    };
    const Case cases[] = {
        {0, "Èàð"},  {1, "Čŕđ"},  {2, "Èàð"},   {161, "Θΰπ"}, {162, "Èàğ"},
        {177, "ָאנ"}, {178, "بàً"}, {186, "Čąš"}, {204, "Иар"}, {238, "Čŕđ"},
    };
    for (const Case& c : cases) {
        const std::string rtf = R"({\rtf1\ansi\ansicpg1250{\fonttbl{\f0\fcharset)" +
                                std::to_string(c.charset) + R"( X;}}\f0 \'c8\'e0\'f0\par})";
        EXPECT_EQ(plainText(read(rtf)), c.expected) << "fcharset" << c.charset;
    }
}

TEST(RtfReader, AnsiCodePageAppliesToFontsWithoutCharset) {
    const struct {
        int codePage;
        std::string expected;
    } cases[] = {{1250, "Čŕđ"}, {1251, "Иар"}, {1252, "Èàð"}, {99999, "Èàð"}};
    for (const auto& c : cases) {
        const std::string rtf =
            R"({\rtf1\ansi\ansicpg)" + std::to_string(c.codePage) + R"( \'c8\'e0\'f0\par})";
        EXPECT_EQ(plainText(read(rtf)), c.expected) << c.codePage;
    }
    // \cpg in the font table outranks both.
    EXPECT_EQ(plainText(read(R"({\rtf1\ansicpg1252{\fonttbl{\f0\cpg1251 X;}}\'c8\par})")), "И");
}

TEST(RtfReader, UnicodeFallbacksAreSkippedAsTheGroupSays) {
    const struct {
        const char* rtf;
        const char* text;
    } cases[] = {
        {R"({\rtf1 \u269\'e8x\par})", "čx"},
        {R"({\rtf1\uc2 \u269\'e8\'e8x\par})", "čx"},
        {R"({\rtf1\uc0 \u269 x\par})", "čx"},
        {R"({\rtf1\uc1 \u269 cx\par})", "čx"},                          // plain-letter fall-back
        {R"({\rtf1\uc1 \u269\'e8{\uc2 \u269 ab}\u269?x\par})", "čččx"}, // \uc is per group
        {R"({\rtf1\uc3 \u269 a}x\par})", "č"},             // a group end stops skipping
        {R"({\rtf1\u-3913?\par})", "\uF0B7"},              // negative: above 32767
        {R"({\rtf1\u-10179?\u-8704?\par})", "\U0001F600"}, // surrogate pair
        {R"({\rtf1\u-10179?x\par})", "\uFFFDx"},           // a lone high surrogate
        {R"({\rtf1\u-8704?x\par})", "\uFFFDx"},            // a lone low surrogate
        {R"({\rtf1\uc1000000 \u269 abc\par})", "č"},       // huge \uc: clamped, no hang
    };
    for (const auto& c : cases) {
        EXPECT_EQ(plainText(read(c.rtf)), c.text) << c.rtf;
    }
}

TEST(RtfReader, EscapesSymbolsAndBreaks) {
    const RichDoc doc = read("{\\rtf1 a\\{b\\}c\\\\d\\tab e\\line f\\\ng\r\nh\\par}");
    EXPECT_EQ(texts(doc), (std::vector<std::string>{"a{b}c\\d\te", "f", "gh"}));
}

TEST(RtfReader, ParagraphPropertiesBelongToTheParagraphMark) {
    const RichDoc doc = read(R"({\rtf1\pard\qc a\par b\pard\par\qr c})");
    ASSERT_EQ(doc.paragraphs.size(), 3u);
    EXPECT_EQ(doc.paragraphs[0].align, Alignment::Center);
    EXPECT_EQ(doc.paragraphs[1].align, Alignment::Left);
    EXPECT_EQ(doc.paragraphs[2].align, Alignment::Right); // the last, without \par
}

TEST(RtfReader, SizesAndColoursAreClampedAndLookedUp) {
    const RichDoc doc = read(R"({\rtf1{\colortbl;\red300\green-5\blue7;})"
                             R"(\fs999999999 a\fs0 b\fs c\cf1 d\cf99 e\cf0 f\par})");
    const auto& runs = doc.paragraphs.at(0).runs;
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].style.halfPoints, 3276);
    EXPECT_EQ(runs[1].style.halfPoints, 2);
    EXPECT_EQ(runs[2].style.halfPoints, 24);
    EXPECT_EQ(runs[3].style.color, (Color{255, 0, 7}));
    EXPECT_EQ(runs[4].text, "ef"); // an unknown index is "auto", like \cf0
    EXPECT_FALSE(runs[4].style.color.has_value());
}

TEST(RtfReader, PlainResetsToTheDefaultFont) {
    const RichDoc doc =
        read(R"({\rtf1\deff1{\fonttbl{\f0 Courier;}{\f1 Tahoma;}}\f0\b a\plain b\f7 c\par})");
    const auto& runs = doc.paragraphs.at(0).runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].style, style(24, "Courier", true));
    EXPECT_EQ(runs[1].style, style(24, "Tahoma"));
    EXPECT_EQ(runs[2].style, style(24, "")); // a font the table does not name
}

TEST(RtfReader, FontNamesTakeEscapedSemicolonsAndTheNoGroupForm) {
    const RichDoc doc = read(R"({\rtf1{\fonttbl\f0\fnil A\'3bB;\f1\fnil\fcharset204 \'c8;})"
                             R"(\f0 x\f1 y\par})");
    const auto& runs = doc.paragraphs.at(0).runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].style.font, "A;B");
    EXPECT_EQ(runs[1].style.font, "И");
}

TEST(RtfReader, HiddenAndDeletedTextIsNotShown) {
    EXPECT_EQ(plainText(read(R"({\rtf1 a{\v skryt\'e9}b\v c\v0 d{\deleted e}f\par})")), "abdf");
}

TEST(RtfReader, AHugeFontNameIsCutNotCopiedIntoEveryRun) {
    std::string rtf = "{\\rtf1{\\fonttbl{\\f0 ";
    for (int i = 0; i < 200000; ++i) {
        rtf += "\\'e8"; // one two-byte character each
    }
    rtf += ";}}\\f0 ";
    for (int i = 0; i < 100000; ++i) {
        rtf += "a\\b b\\b0 ";
    }
    rtf += "}";
    const RichDoc doc = read(rtf);
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    EXPECT_EQ(doc.paragraphs[0].runs.size(), 200000u);
    std::string expected; // 255 bytes hold 127 two-byte characters
    for (int i = 0; i < 127; ++i) {
        expected += "è";
    }
    EXPECT_EQ(doc.paragraphs[0].runs[0].style.font, expected);
}

TEST(RtfReader, RefusesWhatIsNotRtf) {
    for (std::string_view bad : {"hello", "{\\rtx1}", "{ \\rtf1}", "\xEF\xBB"}) {
        const Result<RichDoc> doc = readRtf(bad);
        ASSERT_FALSE(doc.ok()) << bad;
        EXPECT_EQ(doc.error().where, "bajt 0");
        EXPECT_EQ(doc.error().reason, "není to soubor RTF: nezačíná {\\rtf");
    }
    EXPECT_EQ(readRtf(" \r\n").error().reason, "soubor je prázdný");
    EXPECT_TRUE(readRtf("\xEF\xBB\xBF \r\n{\\rtf1 x}").ok());
}

TEST(RtfReader, DamagedFilesKeepWhatWasRead) {
    const struct {
        std::string rtf;
        std::vector<std::string> text;
    } cases[] = {
        {"{\\rtf1 a\\par b", {"a", "b"}},                      // cut off inside a group
        {"{\\rtf1 a\\par {\\b b", {"a", "b"}},                 // unbalanced braces
        {"{\\rtf1 a\\par}}}} junk\\par", {"a"}},               // text after the end
        {"{\\rtf1 a\\par{\\pict\\bin99999 xx}b\\par}", {"a"}}, // \bin past the end
        {"{\\rtf1 a{\\pict\\bin3 }}}}b\\par}", {"ab"}},        // \bin skips braces
        {"{\\rtf1 a\\bin-5 b\\par}", {"ab"}},                  // negative \bin
        {"{\\rtf1 a\\'", {"a"}},                               // cut inside \'
        {"{\\rtf1 a\\'4", {"a\x04"}},                          // one hex digit
        {"{\\rtf1 a\\", {"a"}},                                // a lone backslash
        {"{\\rtf1 a\\fs99999999999999999999 b\\par}", {"ab"}}, // a runaway number
        {"{\\rtf1 a\\u", {"a"}},
    };
    for (const auto& c : cases) {
        const Result<RichDoc> doc = readRtf(c.rtf);
        ASSERT_TRUE(doc.ok()) << c.rtf;
        std::vector<std::string> expected;
        for (const std::string& t : c.text) {
            std::string clean;
            for (char ch : t) {
                if (static_cast<unsigned char>(ch) >= 0x20) {
                    clean += ch;
                }
            }
            expected.push_back(clean);
        }
        EXPECT_EQ(texts(*doc), expected) << c.rtf;
    }
}

TEST(RtfReader, AMillionNestedGroupsReadQuickly) {
    const std::size_t depth = 1000000;
    std::string rtf = "{\\rtf1 ";
    rtf.append(depth, '{');
    rtf += "\\b deep";
    rtf.append(depth, '}');
    rtf += " after\\par}";
    const auto start = std::chrono::steady_clock::now();
    const RichDoc doc = read(rtf);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(plainText(doc), "deep after");
    EXPECT_LT(took, std::chrono::seconds(5));

    std::string open = "{\\rtf1 x";
    open.append(depth, '{');
    EXPECT_EQ(plainText(read(open)), "x"); // never closed
}

TEST(RtfReader, ReadsFilesAndNamesTheMissingOne) {
    test::TempFolder dir;
    dir.write("a.rtf", std::string(kWordPad));
    const Result<RichDoc> doc = readRtfFile(dir / "a.rtf");
    ASSERT_TRUE(doc.ok());
    EXPECT_EQ(paragraphText(*doc, 0), "Příliš žluťoučký kůň");

    const Result<RichDoc> missing = readRtfFile(dir / "b.rtf");
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().text().find("b.rtf"), std::string::npos);

    // A file cut off before its closing brace is damage, though readRtf keeps what it read.
    dir.write("cut.rtf", std::string(kWordPad).substr(0, kWordPad.size() / 2));
    const Result<RichDoc> cut = readRtfFile(dir / "cut.rtf");
    ASSERT_FALSE(cut.ok());
    EXPECT_EQ(cut.error().text(),
              (dir / "cut.rtf").string() + ": soubor RTF je neúplný: chybí jeho konec");

    dir.write("c.rtf", "plain text");
    const Result<RichDoc> notRtf = readRtfFile(dir / "c.rtf");
    ASSERT_FALSE(notRtf.ok());
    EXPECT_EQ(notRtf.error().text(),
              (dir / "c.rtf").string() + ": není to soubor RTF: nezačíná {\\rtf");
}

} // namespace

namespace {

// A text far above any shipped one is refused before it is parsed or laid out, with an
// error that names the file.
TEST(RtfReader, TextAboveTheLimitIsRefused) {
    test::TempFolder dir;
    const std::string body = "{\\rtf1 " + std::string(4 << 20, 'x') + "}";
    dir.write("velky.rtf", body);
    const Result<RichDoc> doc = readRtfFile(dir / "velky.rtf");
    ASSERT_FALSE(doc.ok());
    EXPECT_EQ(doc.error().where, (dir / "velky.rtf").string());
    EXPECT_EQ(doc.error().reason, "soubor je příliš velký (nejvýš 4 MB)");

    dir.write("akorat.rtf", "{\\rtf1 " + std::string((4 << 20) - 8, 'x') + "}");
    EXPECT_TRUE(readRtfFile(dir / "akorat.rtf").ok());
}

} // namespace
