// A chart is a drawing (its model), and the SVG draws exactly that: every
// shape once, in order, at its points, with its paint and its text. Another
// renderer of the same drawing therefore draws the same picture.
#include "batch/output/Drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "batch/output/BalanceHistogram.h"
#include "batch/output/CourseCharts.h"
#include "batch/output/Heatmap.h"
#include "batch/output/SolveChart.h"
#include "batch/output/Svg.h"

namespace {

// The SVG elements after the page's white background, as "tag" and their
// text between the tags.
struct Element {
  std::string tag;
  std::string attributes;
  std::string inner;
};

std::vector<Element> ElementsOf(const std::string& svg) {
  std::vector<Element> elements;
  const std::regex element("<(line|polyline|polygon|rect|path|text)([^>]*?)(/>|>([^<]*)</text>)");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it) {
    elements.push_back({(*it)[1], (*it)[2], (*it)[4]});
  }
  elements.erase(elements.begin());  // the background
  return elements;
}

std::string TagOf(Shape::Kind kind) {
  switch (kind) {
    case Shape::Kind::Line: return "line";
    case Shape::Kind::Polyline: return "polyline";
    case Shape::Kind::Polygon: return "polygon";
    case Shape::Kind::Box: return "rect";
    case Shape::Kind::Diamond: return "path";
    case Shape::Kind::Text: break;
  }
  return "text";
}

std::string Coordinate(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

void ExpectSvgDrawsTheDrawing(const Drawing& drawing) {
  const std::vector<Element> elements = ElementsOf(SvgOf(drawing));
  ASSERT_EQ(elements.size(), drawing.shapes.size());
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Shape& shape = drawing.shapes[k];
    SCOPED_TRACE("shape " + std::to_string(k) + ": " + elements[k].attributes);
    EXPECT_EQ(elements[k].tag, TagOf(shape.kind));
    const std::string& body = elements[k].attributes;
    for (const DrawnPoint& p : shape.points) {
      if (shape.kind == Shape::Kind::Polyline || shape.kind == Shape::Kind::Polygon) {
        EXPECT_NE(body.find(Coordinate(p.x) + "," + Coordinate(p.y) + " "), std::string::npos);
      }
    }
    for (const auto& [look, value] : shape.paint) EXPECT_NE(body.find("\"" + value + "\""), std::string::npos);
    if (shape.kind == Shape::Kind::Text) {
      EXPECT_EQ(elements[k].inner, Svg::Escaped(shape.text));
    }
  }
}

std::vector<FanPoint> Fan(double spread) {
  std::vector<FanPoint> fan;
  for (int32_t game = 1; game <= 40; ++game) {
    const double share = 1.0 - game / 50.0;
    fan.push_back(
        {game, share, 500 - spread * game, 500 - spread * game / 2, 500, 500 + spread * game / 2, 500 + spread * game});
  }
  return fan;
}

TEST(Drawing, ACourseIsDrawnAsItsSvgToTheGameWorthDrawingWithALegendOfWhatIsDrawn) {
  const CourseLimits limits{500, 0, 550};
  ExpectSvgDrawsTheDrawing(FanDrawing({{"", Fan(2), limits}}, "one system"));
  const Drawing panels = FanDrawing({{"a & b", Fan(1), limits}, {"c", Fan(3), limits}}, "two systems");
  ExpectSvgDrawsTheDrawing(panels);
  EXPECT_TRUE(panels.shapes[1].text == "a & b" && panels.shapes[1].bold) << "a panel each, named";
  ExpectSvgDrawsTheDrawing(
      PathsDrawing({{{500, 510, 490, 550}, Ending::High}, {{500, 400, 0}, Ending::Low}}, limits, 3, "two paths"));

  // A course ends where all but a thousandth ended; a legend names only what is drawn.
  std::vector<FanPoint> fan = Fan(1);
  for (FanPoint& p : fan) p.playing = p.game >= 30 ? 0.0009 : p.playing;  // 99.9 % have ended by game 30
  EXPECT_EQ(FanDrawing({{"", fan, limits}}, "").shapes[1].points.size(), 2u * 30) << "the outer band to game 30 of 40";
  const Drawing paths = PathsDrawing({{{500, 510, 550}, Ending::High}}, limits, 500, "");
  std::string texts;
  for (const Shape& shape : paths.shapes) texts += shape.kind == Shape::Kind::Text ? shape.text + "|" : "";
  EXPECT_NE(texts.find("|max balance or wager limit|max balance 550|"), std::string::npos) << "one ending: " << texts;
  EXPECT_NE(texts.find("|0|1|2|game|"), std::string::npos) << "whole games, to the longest session's: " << texts;
}

TEST(Drawing, ASolvedQuestionDrawsTheValuesTriedTheBoundAndTheAnswer) {
  SolvedQuestion q{"capital", 100, 300, &kFigures[1], true, 0.2, false, ResetDefaults(), {{100, 0.5}, {200, 0.1}}, 200};
  const Drawing d = SolveDrawing(q);
  ExpectSvgDrawsTheDrawing(d);
  std::string marks;
  for (const Shape& s : d.shapes) marks += s.kind == Shape::Kind::Diamond ? s.paint[0].second + " " : "";
  EXPECT_EQ(marks, "#9e9e9e #1b7837 ") << "the value that fails, then the one that meets";
  EXPECT_NE(SvgOf(d).find(">answer 200<"), std::string::npos);
}

TEST(Drawing, TheSvgOfAHistogramAndAHeatmapDrawsEveryShapeOfItsModel) {
  const Drawing histogram = HistogramDrawing({{480, 3}, {510, 7}, {1100, 1}}, 2, {500, 550, 0, "rows"});
  ExpectSvgDrawsTheDrawing(histogram);
  double lowest_bar = 0;
  for (const Shape& s : histogram.shapes) {
    if (s.kind == Shape::Kind::Box) lowest_bar = std::max(lowest_bar, s.points[0].y + s.points[1].y);
  }
  for (const Shape& s : histogram.shapes) {  // the legend lies below every bar, covering none
    if (s.text.find("balance ") != std::string::npos || s.text.find("capital ") == 0) {
      EXPECT_GT(s.points[0].y, lowest_bar) << s.text;
    }
  }
  ExpectSvgDrawsTheDrawing(HistogramDrawing({}, 1, {500, 550, 0, ""}));
  const double kMissing = std::nan("");
  ExpectSvgDrawsTheDrawing(HeatmapDrawing({"first_bet", {1, 2, 3}}, {"table_limit", {100, 200}},
                                          {{0.1, 0.2}, {kMissing, 0.4}, {0.5, 0.6}}, kFigures[0], "<3 & 4>"));
}

}  // namespace
