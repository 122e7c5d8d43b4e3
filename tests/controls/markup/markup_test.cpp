// Markup layout on the recording canvas. Its metrics: 6 pixels per character, (size + 5) pixels
// per line, so an 8-point line is 13 pixels high. The working rectangle starts 1 pixel right of
// the given one, so text at offset 0 of a 300-pixel rectangle at 0 is drawn from x = 1.
#include "controls/markup/render.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "controls/markup/colors.h"
#include "tests/fakes/fake_image_list.h"
#include "tests/fakes/recording_canvas.h"

namespace {

using controls::markup::Mode;
using controls::markup::Options;
using controls::markup::Render;
using controls::markup::Result;
using fakes::RecordingCanvas;
using fakes::TextRecord;

constexpr std::uint32_t kRun = platform::kDtSingleLine | platform::kDtBottom |
                               platform::kDtExpandTabs | platform::kDtExternalLeading;
constexpr std::uint32_t kRunCut = kRun | platform::kDtEndEllipsis;
constexpr platform::Color kBaseColor = platform::clNavy;

struct Fixture {
  RecordingCanvas canvas;
  fakes::FakeImageList images{3, 16, 16};
  Options options;

  Fixture() {
    platform::Font base;
    base.color = kBaseColor;
    canvas.SetFont(base);
    options.images = &images;
  }
  Result Render(const std::string& text, platform::Rect rect = {0, 0, 300, 40}) {
    return controls::markup::Render(canvas, text, rect, options);
  }
  std::vector<std::string> DrawnTexts() const {
    std::vector<std::string> out;
    for (const TextRecord& t : canvas.texts) out.push_back(t.text);
    return out;
  }
};

TEST(MarkupCaptions, ActionLineStartsAtTheIndentInItsColourSizeAndUnderline) {
  struct Case {
    const char* name;
    platform::Color color;
  };
  const Case cases[] = {{"clblack", platform::clBlack},
                        {"clred", platform::clRed},
                        {"clgreen", platform::clGreen},
                        {"clblue", platform::clBlue}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    const Result r = f.Render(std::string("<IND x=\"50\"></IMG><FONT color=\"") + c.name +
                              "\" size=\"10\"><U>Terminate</U></FONT>");
    ASSERT_EQ(f.canvas.texts.size(), 1u);
    const TextRecord& t = f.canvas.texts[0];
    EXPECT_EQ(t.text, "Terminate");
    EXPECT_EQ(t.rect, (platform::Rect{51, 0, 300, 15}));
    EXPECT_EQ(t.flags, kRunCut);
    EXPECT_EQ(t.font.color, c.color);
    EXPECT_EQ(t.font.size, 10);
    EXPECT_EQ(t.font.style, platform::kFontUnderline);
    EXPECT_EQ(t.bk_mode, platform::BkMode::kTransparent);
    EXPECT_EQ(r.height, 15);
  }
}

TEST(MarkupCaptions, DetailLineShowsImageLabelAndValueAtOneFifty) {
  Fixture f;
  f.options.word_wrap = true;
  const Result r = f.Render(
      "<IMG src=\"idx:0\"></IMG><FONT color=\"clgreen\" size=\"12\">Name:<IND x=\"150\">"
      "<FONT color=\"clmaroon\">notepad.exe</FONT>",
      {0, 0, 345, 40});
  EXPECT_EQ(f.canvas.Calls("DrawImage"), std::vector<std::string>{"DrawImage 0 1,0"});
  ASSERT_EQ(f.canvas.texts.size(), 2u);
  EXPECT_EQ(f.canvas.texts[0].text, "Name:");
  EXPECT_EQ(f.canvas.texts[0].rect, (platform::Rect{17, 0, 345, 17}));
  EXPECT_EQ(f.canvas.texts[0].font.color, platform::clGreen);
  EXPECT_EQ(f.canvas.texts[0].flags, kRun);
  EXPECT_EQ(f.canvas.texts[1].text, "notepad.exe");
  EXPECT_EQ(f.canvas.texts[1].rect, (platform::Rect{151, 0, 345, 17}));
  EXPECT_EQ(f.canvas.texts[1].font.color, platform::clMaroon);
  EXPECT_EQ(f.canvas.texts[1].font.size, 12);  // the second font tag keeps the first's size
  EXPECT_EQ(r.height, 17);
}

TEST(MarkupCaptions, DetailLineWithSpaceAfterTheImage) {
  Fixture f;
  f.Render(
      "<IMG src=\"idx:0\"></IMG> <FONT color=\"clblue\" size=\"10\">Title<IND x=\"150\">"
      "<FONT color=\"clmaroon\">Value</FONT>");
  ASSERT_EQ(f.DrawnTexts(), (std::vector<std::string>{" ", "Title", "Value"}));
  EXPECT_EQ(f.canvas.texts[0].rect.left, 17);
  EXPECT_EQ(f.canvas.texts[0].font.color, kBaseColor);
  EXPECT_EQ(f.canvas.texts[1].rect.left, 23);
  EXPECT_EQ(f.canvas.texts[1].font.color, platform::clBlue);
  EXPECT_EQ(f.canvas.texts[2].rect.left, 151);
  EXPECT_EQ(f.canvas.texts[2].font.color, platform::clMaroon);
  EXPECT_EQ(f.canvas.texts[2].font.size, 10);
}

TEST(MarkupCaptions, TitleIsBoldUnderlinedBlueAndTheClosingTagsRestoreTheBase) {
  Fixture f;
  f.Render("<B><U><FONT color=\"clblue\">Applications</FONT></B></U> ");
  ASSERT_EQ(f.DrawnTexts(), (std::vector<std::string>{"Applications", " "}));
  EXPECT_EQ(f.canvas.texts[0].font.color, platform::clBlue);
  EXPECT_EQ(f.canvas.texts[0].font.style, platform::kFontBold | platform::kFontUnderline);
  EXPECT_EQ(f.canvas.texts[1].font.color, kBaseColor);
  EXPECT_EQ(f.canvas.texts[1].font.style, 0);
  EXPECT_EQ(f.canvas.texts[1].rect.left, 1 + 12 * 6);
}

TEST(MarkupCaptions, MaroonTextAndTheCanvasFontIsRestoredAfterwards) {
  Fixture f;
  const platform::Font before = f.canvas.GetFont();
  f.canvas.SetBkMode(platform::BkMode::kOpaque);
  f.Render("<FONT color=\"clmaroon\">text</FONT>");
  ASSERT_EQ(f.DrawnTexts(), std::vector<std::string>{"text"});
  EXPECT_EQ(f.canvas.texts[0].font.color, platform::clMaroon);
  EXPECT_EQ(f.canvas.GetFont(), before);
  EXPECT_EQ(f.canvas.GetBkMode(), platform::BkMode::kOpaque);
}

TEST(MarkupIndent, NeverMovesTextBack) {
  Fixture f;
  f.Render("Long text here<IND x=\"20\">next");
  ASSERT_EQ(f.DrawnTexts(), (std::vector<std::string>{"Long text here", "next"}));
  EXPECT_EQ(f.canvas.texts[1].rect.left, 1 + 14 * 6);
}

TEST(MarkupRule, IsBlackWhateverItsAttributeAndEndsTheLine) {
  Fixture f;
  const Result r = f.Render("above<HR color-\"clblue\">below");
  EXPECT_EQ(f.canvas.Calls("LineTo"), std::vector<std::string>{"LineTo 300,13 0x000000"});
  EXPECT_EQ(f.canvas.Calls("MoveTo"), std::vector<std::string>{"MoveTo 1,13"});
  ASSERT_EQ(f.DrawnTexts(), (std::vector<std::string>{"above", "below"}));
  EXPECT_EQ(f.canvas.texts[1].rect, (platform::Rect{1, 13, 300, 26}));
  EXPECT_EQ(r.height, 26);
}

TEST(MarkupFont, SizeNumbersMapToPoints) {
  struct Case {
    const char* size;
    int points;
  };
  const Case cases[] = {{"1", 8},   {"2", 10}, {"3", 12},    {"4", 14},  {"5", 16}, {"0", 0},
                        {"10", 10}, {"7", 7},  {"24px", 24}, {"big", 8}, {"-3", 8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    Fixture f;
    const Result r =
        f.Render(std::string("<FONT size=\"") + c.size + "\">x</FONT>", {0, 0, 300, 100});
    ASSERT_EQ(f.canvas.texts.size(), 1u);
    EXPECT_EQ(f.canvas.texts[0].font.size, c.points);
    EXPECT_EQ(r.height, std::max(13, RecordingCanvas::LineHeightOf(f.canvas.texts[0].font)));
  }
}

TEST(MarkupColors, NamesInAnyCaseAndHexValues) {
  EXPECT_EQ(controls::markup::ColorFromName("clnavy"), 0x800000u);
  EXPECT_EQ(controls::markup::ColorFromName("CLNAVY"), 0x800000u);
  EXPECT_EQ(controls::markup::ColorFromName("ClNaVy"), 0x800000u);
  EXPECT_EQ(controls::markup::ColorFromName("clinfobk"), 0x80000018u);
  EXPECT_EQ(controls::markup::ColorFromName("clmaroon"), 0x000080u);
  EXPECT_EQ(controls::markup::ColorFromName("clnosuch"), 0u);
  EXPECT_EQ(controls::markup::ColorFromHex("#FF0000"), 0x0000FFu);
  EXPECT_EQ(controls::markup::ColorFromHex("#00FF00"), 0x00FF00u);
  EXPECT_EQ(controls::markup::ColorFromHex("#0000FF"), 0xFF0000u);
  EXPECT_EQ(controls::markup::ColorFromHex("#1234"), 0x003412u);  // a missing pair counts 0

  struct Case {
    const char* attribute;
    platform::Color color;
  };
  const Case cases[] = {{"clRed", platform::clRed},
                        {"#0000FF", platform::clBlue},
                        {"clunknown", platform::clBlack},
                        {"red", kBaseColor}};  // neither a name nor "#": no colour
  for (const Case& c : cases) {
    SCOPED_TRACE(c.attribute);
    Fixture f;
    f.Render(std::string("<font COLOR=\"") + c.attribute + "\">x</font>");
    ASSERT_EQ(f.canvas.texts.size(), 1u);
    EXPECT_EQ(f.canvas.texts[0].font.color, c.color);
  }
}

TEST(MarkupSelection, SelectedRowKeepsTheSelectionColourButSizesApply) {
  Fixture f;
  platform::Font selected_font = f.canvas.GetFont();
  selected_font.color = platform::clHighlightText;
  f.canvas.SetFont(selected_font);
  f.options.selected = true;
  f.Render("<FONT color=\"clred\" size=\"12\">abc</FONT><A href=\"x\">link</A>");
  ASSERT_EQ(f.DrawnTexts(), (std::vector<std::string>{"abc", "link"}));
  EXPECT_EQ(f.canvas.texts[0].font.color, platform::clHighlightText);
  EXPECT_EQ(f.canvas.texts[0].font.size, 12);
  EXPECT_EQ(f.canvas.texts[1].font.color, platform::clHighlightText);
  EXPECT_EQ(f.canvas.texts[1].font.size, 8);
}

TEST(MarkupEntities, AmpersandsAndPreparation) {
  Fixture f;
  f.Render("a&amp;b<B>c</B>");
  ASSERT_EQ(f.DrawnTexts(), (std::vector<std::string>{"a&&b", "c"}));
  EXPECT_EQ(f.canvas.texts[1].rect.left, 1 + 3 * 6);  // "&&" shows one "&"

  Fixture lone;
  lone.Render("& x<B>y</B>");
  ASSERT_EQ(lone.DrawnTexts(), (std::vector<std::string>{"& x", "y"}));
  EXPECT_EQ(lone.canvas.texts[1].rect.left, 1 + 2 * 6);  // the "&" underlines the space

  EXPECT_EQ(controls::markup::PrepareText("&amp;amp;"), "&&&");
  EXPECT_EQ(controls::markup::PrepareText("&amp;quot;"), "&\"");
  EXPECT_EQ(controls::markup::PrepareText("&euro;&copy;&am"), "\xE2\x82\xAC\xC2\xA9&am");
  EXPECT_EQ(controls::markup::PrepareText("a\r\nb"), "a<BR>b");
  EXPECT_EQ(controls::markup::PrepareText("<#a>b>c<#d>"), "#ab>c<#d>");

  Fixture run;
  run.Render("&lt;B&gt;&nbsp;x</B>");
  EXPECT_EQ(run.DrawnTexts(), std::vector<std::string>{"<B> x"});
}

TEST(MarkupLayout, TextOfTagsOnlyHasTheHeightOfGh) {
  Fixture f;
  EXPECT_EQ(f.Render("<B></B><U></U><TABLE><TD>").height, 13);
  EXPECT_TRUE(f.canvas.texts.empty());
  platform::Font big = f.canvas.GetFont();
  big.size = 10;
  f.canvas.SetFont(big);
  f.options.mode = Mode::kMeasure;
  EXPECT_EQ(f.Render("<B></B>").height, 15);
  EXPECT_EQ(f.Render("").height, 15);
}

TEST(MarkupLayout, WithoutWordWrapTheFirstRunThatDoesNotFitIsCutAndTheRestDropped) {
  Fixture f;
  const Result r = f.Render("<B>abcdef</B>ghijk<U>tail</U><BR>next", {0, 0, 61, 40});
  ASSERT_EQ(f.DrawnTexts(), (std::vector<std::string>{"abcdef", "ghijk"}));
  EXPECT_EQ(f.canvas.texts[1].rect, (platform::Rect{37, 0, 61, 13}));
  EXPECT_EQ(f.canvas.texts[1].flags, kRunCut);
  EXPECT_EQ(r.plain_text, "abcdefghijk");
  EXPECT_EQ(r.height, 13);
}

TEST(MarkupLayout, HiddenTextIsNeitherDrawnNorMeasured) {
  Fixture f;
  const Result r = f.Render("ab<Z><FONT size=\"5\">hidden</FONT></Z>cd");
  ASSERT_EQ(f.DrawnTexts(), (std::vector<std::string>{"ab", "cd"}));
  EXPECT_EQ(f.canvas.texts[1].rect.left, 13);
  EXPECT_EQ(r.height, 13);  // the 16-point hidden run does not raise the line
  EXPECT_EQ(r.plain_text, "abhiddencd");
}

TEST(MarkupLayout, WordWrapBreaksAtSpacesAndNeverInsideAWordWithATag) {
  Fixture f;
  f.options.word_wrap = true;
  Result r = f.Render("aaa bbb ccc ddd", {0, 0, 61, 100});
  ASSERT_EQ(f.DrawnTexts(), (std::vector<std::string>{"aaa ", "bbb ", "ccc ", "ddd"}));
  EXPECT_EQ(f.canvas.texts[1].rect.left, 25);
  EXPECT_EQ(f.canvas.texts[2].rect, (platform::Rect{1, 13, 61, 26}));
  EXPECT_EQ(f.canvas.texts[3].rect.left, 25);
  EXPECT_EQ(r.height, 26);

  Fixture tagged;
  tagged.options.word_wrap = true;
  r = tagged.Render("aaa bbbbb<B>cc</B>c", {0, 0, 61, 100});
  ASSERT_EQ(tagged.DrawnTexts(), (std::vector<std::string>{"aaa ", "bbbbb", "cc", "c"}));
  EXPECT_EQ(tagged.canvas.texts[2].rect.top, 0);
  EXPECT_EQ(tagged.canvas.texts[3].rect, (platform::Rect{67, 0, 61, 13}));
  EXPECT_EQ(r.height, 13);

  Fixture cyrillic;  // widths count characters: the words break where the ASCII ones do
  cyrillic.options.word_wrap = true;
  cyrillic.Render("жжж ббб ццц ддд", {0, 0, 61, 100});
  ASSERT_EQ(cyrillic.DrawnTexts(), (std::vector<std::string>{"жжж ", "ббб ", "ццц ", "ддд"}));
  EXPECT_EQ(cyrillic.canvas.texts[2].rect, (platform::Rect{1, 13, 61, 26}));
}

TEST(MarkupLayout, DrawingStopsBelowTheRectangleButMeasuringDoesNot) {
  Fixture f;
  const std::string text = "a<BR>b<BR>c<BR>d";
  EXPECT_EQ(f.Render(text, {0, 0, 300, 20}).height, 26);
  EXPECT_EQ(f.DrawnTexts(), (std::vector<std::string>{"a", "b"}));
  f.options.mode = Mode::kMeasure;
  const Result m = f.Render(text, {0, 0, 300, 20});
  EXPECT_EQ(m.height, 52);
  EXPECT_EQ(m.plain_text, "a\rb\rc\rd");
}

TEST(MarkupImages, IndexPastTheListTakesNoSpaceAndImagesScaleWithResolution) {
  Fixture f;
  f.Render("<IMG src=\"idx:5\">x");
  EXPECT_TRUE(f.canvas.Calls("DrawImage").empty());
  EXPECT_EQ(f.canvas.texts[0].rect.left, 1);

  Fixture hi;
  hi.canvas.pixels_per_inch = 120;
  const Result r = hi.Render("<IMG src=\"idx:2\">x");
  EXPECT_EQ(hi.canvas.Calls("DrawImage"), std::vector<std::string>{"DrawImage 2 1,0"});
  EXPECT_EQ(hi.canvas.texts[0].rect.left, 21);
  EXPECT_EQ(r.height, 20);

  Fixture none;
  none.options.images = nullptr;
  none.Render("<IMG src=\"idx:0\">x");
  EXPECT_TRUE(none.canvas.Calls("DrawImage").empty());
}

TEST(MarkupHitTest, AnchorsAndImagesInsideAnchors) {
  struct Case {
    platform::Point at;
    bool hit;
    const char* target;
  };
  const std::string text =
      "<A href=\"first\">link</A> plain <A href=\"second\"><IMG src=\"idx:1\"></A>";
  // The image makes the line 16 pixels high and the text sits on its bottom: "link" covers
  // x 1..24 on the band y 3..15, " plain " 25..66, the image 67..82 by 0..15.
  const Case cases[] = {{{5, 5}, true, "first"}, {{24, 15}, true, "first"},  {{25, 5}, false, ""},
                        {{5, 2}, false, ""},     {{70, 14}, true, "second"}, {{83, 5}, false, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.at.x) + "," + std::to_string(c.at.y));
    Fixture f;
    f.options.mode = Mode::kHitTest;
    f.options.hit = c.at;
    const Result r = f.Render(text);
    EXPECT_EQ(r.anchor_hit, c.hit);
    EXPECT_EQ(r.anchor, c.target);
    EXPECT_TRUE(f.canvas.texts.empty());
    EXPECT_TRUE(f.canvas.Calls("DrawImage").empty());
  }
  Fixture drawn;
  drawn.Render(text);
  EXPECT_EQ(drawn.canvas.texts[0].font.color, 0xFF0000u);  // the anchor colour
  EXPECT_EQ(drawn.canvas.texts[1].font.color, kBaseColor);
}

TEST(MarkupLayout, ClosingAFontRestoresItsColourForTheFollowingLines) {
  Fixture f;
  f.Render("<FONT color=\"clred\">a</FONT><BR>b");
  ASSERT_EQ(f.DrawnTexts(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(f.canvas.texts[1].font.color, kBaseColor);
}

TEST(MarkupLayout, ParagraphAlignmentPlacesTheLineBox) {
  struct Case {
    const char* align;
    int left;
  };
  // 3 characters (18 pixels) in the working width 1..300.
  const Case cases[] = {{"right", 282}, {"center", 141}, {"left", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.align);
    Fixture f;
    f.Render(std::string("<P align=\"") + c.align + "\">abc");
    ASSERT_EQ(f.canvas.texts.size(), 1u);
    EXPECT_EQ(f.canvas.texts[0].rect.left, c.left);
  }
  Fixture indented;
  indented.Render("<P indent=\"7\">abc</P>def");
  EXPECT_EQ(indented.canvas.texts.at(0).rect.left, 8);
  EXPECT_EQ(indented.canvas.texts.at(1).rect.top, 13);  // the closing tag ends the line
}

class Pictures : public controls::markup::PictureContainer {
 public:
  fakes::FakeBitmap logo{7, 5};
  platform::Bitmap* Find(const std::string& name) const override {
    return name == "LOGO" ? const_cast<fakes::FakeBitmap*>(&logo) : nullptr;
  }
};

class Loader : public platform::PictureLoader {
 public:
  std::vector<std::string> calls;
  std::unique_ptr<platform::Bitmap> LoadResource(const std::string& name) override {
    calls.push_back("res " + name);
    return std::make_unique<fakes::FakeBitmap>(9, 4);
  }
  std::unique_ptr<platform::Bitmap> LoadFile(const std::string& path) override {
    calls.push_back("file " + path);
    return nullptr;
  }
};

TEST(MarkupImages, ContainerPicturesAreDrawnAtNaturalSizeOrStretched) {
  Pictures pictures;
  Fixture f;
  f.options.pictures = &pictures;
  f.Render("<IMG src=\"logo\">x<IMG src=\"LOGO\" width=\"20\" height=\"10\">y<IMG src=\"none\">z");
  EXPECT_EQ(f.canvas.Calls("Draw "), std::vector<std::string>{"Draw 1,0 7x5"});
  EXPECT_EQ(f.canvas.Calls("StretchDraw"), std::vector<std::string>{"StretchDraw 14,0,34,10 7x5"});
  ASSERT_EQ(f.DrawnTexts(), (std::vector<std::string>{"x", "y", "z"}));
  EXPECT_EQ(f.canvas.texts[0].rect.left, 8);
  EXPECT_EQ(f.canvas.texts[2].rect.left, 40);
}

TEST(MarkupImages, CachedPicturesLoadOnceAndOtherAddressesStayEmpty) {
  Loader loader;
  controls::markup::PictureCache cache(&loader);
  Fixture f;
  f.options.cache = &cache;
  const std::string text =
      "<IMG src=\"res://wall\"><IMG src=\"file://c:\\a.bmp\"><IMG src=\"http://h/a.gif\">x";
  f.Render(text);
  f.Render(text);
  EXPECT_EQ(loader.calls, (std::vector<std::string>{"res WALL", "file C:\\A.BMP"}));
  EXPECT_EQ(f.canvas.Calls("Draw "), (std::vector<std::string>{"Draw 1,0 9x4", "Draw 1,0 9x4"}));
  EXPECT_EQ(f.canvas.texts.at(0).rect.left, 10);  // only the resource picture takes room
  EXPECT_EQ(cache.Size(), 3u);
}

TEST(MarkupImages, BodyBackgroundIsTiledOverTheRectangleOnly) {
  Pictures pictures;
  pictures.logo.Recorder().FillRect({0, 0, 7, 5}, platform::clLime);
  RecordingCanvas canvas(30, 10);
  Options options;
  options.pictures = &pictures;
  Render(canvas, "<BODY background=\"logo\">x", {0, 0, 20, 8}, options);
  EXPECT_EQ(canvas.GetPixel(0, 0), platform::clLime);
  EXPECT_EQ(canvas.GetPixel(19, 7), platform::clLime);
  EXPECT_EQ(canvas.GetPixel(20, 7), fakes::kUnpainted);
  EXPECT_EQ(canvas.GetPixel(19, 8), fakes::kUnpainted);
  EXPECT_EQ(canvas.Calls("Draw ").size(), 6u);  // 3 columns of 7 by 2 rows of 5
}

TEST(MarkupImages, AlignRaisesTheTextOfTheLine) {
  struct Case {
    const char* align;
    int bottom;
  };
  // A 16-pixel image in an 8-point line: the text band is 13 pixels high.
  const Case cases[] = {{"top", 13}, {"middle", 15}, {"bottom", 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.align);
    Fixture f;
    f.Render(std::string("<IMG src=\"idx:0\" align=\"") + c.align + "\">x");
    ASSERT_EQ(f.canvas.texts.size(), 1u);
    EXPECT_EQ(f.canvas.texts[0].rect.bottom, c.bottom);
  }
}

TEST(MarkupRobustness, AbsurdSizesSaturateInsteadOfOverflowing) {
  std::string tall;
  for (int i = 0; i < 3000; ++i) tall += "<FONT size=\"999999\">x<BR>";
  Fixture f;
  f.options.mode = Mode::kMeasure;
  EXPECT_EQ(f.Render(tall).height, 1 << 30);

  Pictures pictures;
  std::string wide;
  for (int i = 0; i < 3000; ++i) wide += "<IMG src=\"logo\" width=\"999999\" height=\"1\"><E>x</E>";
  for (Mode mode : {Mode::kMeasure, Mode::kDraw, Mode::kHitTest}) {
    Fixture w;
    w.options.pictures = &pictures;
    w.options.mode = mode;
    w.options.word_wrap = true;  // so every image and word joins the one line
    EXPECT_EQ(w.Render(wide).height, 13);
  }
}

TEST(MarkupRobustness, MalformedTextNeverFailsInAnyMode) {
  std::string many_tags;
  while (many_tags.size() < 100 * 1024) many_tags += "<B><FONT color=\"clred\"><IND x=\"9\">";
  std::string many_entities;
  while (many_entities.size() < 100 * 1024) many_entities += "&amp;amp;";
  const std::vector<std::string> texts = {"<",
                                          "<B",
                                          "ab<",
                                          "ab<c",
                                          "</",
                                          "</B",
                                          "<B>x</B",
                                          "<FONT color=clred size=3>x",
                                          "<IND x=50>x",
                                          "&am",
                                          "&amp",
                                          "<IMG src=\"idx:99\">x",
                                          "<IMG src=\"idx:-1\">",
                                          "<IMG src=\"idx:\">",
                                          "<IMG src=\"SSYS:c:\\x.exe\">",
                                          "<IMG src=\"http://x/y.gif\">",
                                          "<<<>>>",
                                          "<L><L><L>",
                                          "<UL><LI>a<LI>b</UL></UL></U>",
                                          "<P align=\"right\" indent=\"9999999999\">x",
                                          "<R a=\"90\">x</R>",
                                          "<SUB>x</SUB><SUP>y</SUP>",
                                          "<E>err</E><SH>s</SH>",
                                          "<HI>h</HI><BODY bgcolor=\"#\">",
                                          many_tags,
                                          many_entities};
  for (const std::string& text : texts) {
    SCOPED_TRACE(text.substr(0, 40));
    for (Mode mode : {Mode::kMeasure, Mode::kDraw, Mode::kHitTest}) {
      for (bool wrap : {false, true}) {
        Fixture f;
        f.options.mode = mode;
        f.options.word_wrap = wrap;
        const auto start = std::chrono::steady_clock::now();
        const Result r = f.Render(text, {0, 0, 50, 30});
        EXPECT_GE(r.height, 13);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
      }
    }
  }
}

}  // namespace
