// The window's odds without the window: read from a form, computed, stopped,
// compared with a run, and drawn with a painter that records what it is
// asked to draw.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <thread>

#include "batch/output/CourseCharts.h"
#include "batch/output/Svg.h"
#include "sim/MemoryForm.h"
#include "sim/Simulation.h"
#include "tests/SettingsWith.h"
#include "ui/odds/DrawingPainter.h"
#include "ui/odds/OddsInput.h"
#include "ui/odds/OddsWorker.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// A form after the window's reset.
struct ResetForm {
  ResetForm() { simulation.reset_settings(); }
  MemoryForm form;
  Simulation simulation{form};
};

TEST(OddsInputTest, TheFormReadsAsItsSettingsFileAndAFailedCheckIsNamed) {
  ResetForm reset;
  const OddsInput defaults = OddsInputOf(reset.form);
  EXPECT_EQ(defaults.failure, "");
  EXPECT_EQ(PrintSettings(defaults.settings), PrintSettings(ResetDefaults()));
  const struct {
    Control field;
    const char* text;
    const char* named;
  } cases[] = {
      {Control::rtb_anzahl_gesamtdurchgaenge, "0", "The session_count field"},
      {Control::rtb_startkapital, "abc", "The capital field"},
      {Control::rtb_soll_kapital, "400", "The max_balance field"},  // below the capital
      {Control::rtb_erster_einsatz, "600", "The first_bet field"},  // above the capital
  };
  for (const auto& c : cases) {
    ResetForm changed;
    changed.form.SetText(c.field, WString(c.text));
    const OddsInput input = OddsInputOf(changed.form);
    EXPECT_EQ(input.failure.rfind(c.named, 0), 0u) << c.text << ": " << input.failure;
    EXPECT_FALSE(SameValues(input.values, defaults.values)) << c.text;
    EXPECT_EQ(changed.form.GetText(c.field).GetText(), std::string(c.text)) << "the form is left as it was";
  }
}

TEST(OddsAnswerTest, TheOddsAreTheBatchsAndARunIsComparedWithThem) {
  const std::atomic<bool> go{false};
  const std::optional<OddsAnswer> answer = ComputeOdds(ResetDefaults(), go);
  ASSERT_TRUE(answer && answer->computed);
  EXPECT_NE(OddsPage(*answer).find("<html"), std::string::npos);

  SimRunState run;
  EXPECT_EQ(RunBesideOdds(*answer, run), "") << "before a session ended";
  run.sessions_ended = 10;
  run.max_count = 5;
  run.min_count = 2;
  run.limit_count = 3;
  EXPECT_EQ(RunBesideOdds(*answer, run),
            "this run: 5 of 10 sessions at the max balance or wager limit (exact chance 64.8 %); 2 of 10 sessions "
            "at the min balance (exact chance 14.6 %); 3 of 10 sessions at the table limit or last game (exact "
            "chance 20.6 %)");

  // The run's sessions over the bands, within the frame even where a path
  // runs past it.
  run.courses = {{{500, 520, 540, 560}, Ending::High}, {{500, 1e6}, Ending::Low}};
  const std::optional<Drawing> bare = OddsChart(*answer);
  const std::optional<Drawing> beside = OddsChart(*answer, run.courses);
  ASSERT_TRUE(bare && beside);
  ASSERT_EQ(beside->shapes.size(), bare->shapes.size() + 2);
  for (const Shape& shape : beside->shapes) {
    for (const DrawnPoint& p : shape.points) EXPECT_GE(p.y, 0) << "drawn within the picture";
  }
  EXPECT_FALSE(OddsChart(OddsAnswer{}).has_value());

  // Odds past their budget say how to answer instead.
  const std::optional<OddsAnswer> refused =
      ComputeOdds(SettingsWith({{"system=oscars_grind"}}), go, nullptr, int64_t{1} << 20);
  ASSERT_TRUE(refused);
  std::string sentences = refused->text;  // broken into lines the text box shows whole
  for (std::size_t at = 0, next; (next = sentences.find('\n', at)) != std::string::npos; at = next + 1) {
    EXPECT_LE(next - at, 76u) << refused->text;
    sentences[next] = ' ';
  }
  for (const char* said : {"need more memory than their budget of 1 MiB", "within 1 MiB; `vantrel-batch --runs K`"}) {
    EXPECT_NE(sentences.find(said), std::string::npos) << refused->text;
  }
  EXPECT_FALSE(OddsChart(*refused).has_value());
  EXPECT_EQ(OddsPage(*refused), "");
}

TEST(OddsWorkerTest, OnlyTheNewestRequestIsAnsweredAndGoingAwayStopsTheWork) {
  const RunSettings grind = SettingsWith({{"system=oscars_grind"}});
  const RunSettings small = SettingsWith({{"capital=300", "max_balance=330"}});
  const auto wait_for = [](OddsWorker& worker) {
    const Clock::time_point start = Clock::now();
    while (Seconds(start) < 20) {
      if (std::optional<OddsAnswer> answer = worker.TakeAnswer()) return answer;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return std::optional<OddsAnswer>();
  };
  {
    OddsWorker worker;
    worker.Ask(grind);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(worker.Busy());
    EXPECT_EQ(worker.Progress().rfind("start state 1: game ", 0), 0u) << worker.Progress();
    worker.Ask(small);
    const std::optional<OddsAnswer> answer = wait_for(worker);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->result.settings.capital, 300) << "the older request gave nothing";
    EXPECT_FALSE(worker.TakeAnswer().has_value()) << "an answer is given once";
    EXPECT_FALSE(worker.Busy());
    worker.Ask(small);
    worker.Cancel();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(worker.TakeAnswer().has_value()) << "a cancelled request gives nothing";
  }
  const Clock::time_point start = Clock::now();
  {
    OddsWorker worker;
    worker.Ask(grind);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_LT(Seconds(start), 1.2) << "going away stops the work within a second";
}

// A shape as drawn: its kind and its numbers, in the window's pixels.
struct PaintedShape {
  std::string kind;
  std::vector<double> numbers;
};

// What a painter was asked to draw.
class RecordingPainter : public WPainter {
 public:
  void SetPen(const WPen& pen) override { this->pen = pen; }
  void SetBrush(std::optional<WColorValue> colour) override { brush = colour; }
  void SetClip(const WRect& c) override { clip = c; }
  void Line(WPoint from, WPoint to) override { Add("line", {from, to}); }
  void Polyline(const std::vector<WPoint>& points) override { Add("polyline", points); }
  void Polygon(const std::vector<WPoint>& points) override { Add("polygon", points); }
  void Rectangle(const WRect& r) override { Add("rect", {{r.x, r.y}, {r.width, r.height}}); }
  void Text(WPoint anchor, const std::string&, const WTextStyle& style) override {
    Add("text", {anchor});
    heights.push_back(style.height);
    text_colours.push_back(style.colour);
  }

  void Add(const char* kind, const std::vector<WPoint>& points) {
    shapes.push_back({kind, {}});
    for (const WPoint& p : points) shapes.back().numbers.insert(shapes.back().numbers.end(), {1.0 * p.x, 1.0 * p.y});
    fills.push_back(brush);
  }

  WPen pen;
  std::optional<WColorValue> brush;
  WRect clip;
  std::vector<PaintedShape> shapes;
  std::vector<std::optional<WColorValue>> fills;
  std::vector<int32_t> heights;
  std::vector<WColorValue> text_colours;
};

// The shapes of an SVG, read from its text, placed as `scale` and the
// offsets put them.
std::vector<PaintedShape> ShapesOfSvg(const std::string& svg, double scale, double left, double top) {
  std::vector<PaintedShape> shapes;
  const auto add = [&](const std::string& kind, const std::vector<double>& xy) {
    shapes.push_back({kind, {}});
    for (std::size_t k = 0; k < xy.size(); ++k) shapes.back().numbers.push_back((k % 2 ? top : left) + xy[k] * scale);
  };
  // An attribute's text; the lines are long, so they are read by hand.
  const auto attribute = [](const std::string& line, const std::string& name) {
    const std::size_t at = line.find(" " + name + "=\"");
    if (at == std::string::npos) return std::string();
    const std::size_t begin = at + name.size() + 3;
    return line.substr(begin, line.find('"', begin) - begin);
  };
  const auto number = [&](const std::string& line, const char* name) { return std::stod(attribute(line, name)); };
  std::istringstream lines(svg);
  for (std::string l; std::getline(lines, l);) {
    const std::string kind = l.substr(1, l.find(' ') - 1);
    if (kind == "line") {
      add("line", {number(l, "x1"), number(l, "y1"), number(l, "x2"), number(l, "y2")});
    } else if (kind == "polyline" || kind == "polygon") {
      std::vector<double> xy;
      std::istringstream points(attribute(l, "points"));
      for (std::string p; points >> p;) xy.insert(xy.end(), {std::stod(p), std::stod(p.substr(p.find(',') + 1))});
      add(kind, xy);
    } else if (kind == "rect" && attribute(l, "x") != "") {  // the page's background has none
      add("rect",
          {number(l, "x"), number(l, "y"), number(l, "width") - left / scale, number(l, "height") - top / scale});
    } else if (kind == "path") {
      double x = 0, y = 0, r = 0;
      std::sscanf(attribute(l, "d").c_str(), "M%lf %lf l%lf", &x, &y, &r);
      add("polygon", {x, y, x + r, y + r, x, y + 2 * r, x - r, y + r});
    } else if (kind == "text") {
      add("text", {number(l, "x"), number(l, "y")});
    }
  }
  return shapes;
}

TEST(DrawingPainterTest, APaintedChartHasTheGeometryOfItsSvgAtAnySize) {
  const std::atomic<bool> go{false};
  const std::optional<OddsAnswer> answer = ComputeOdds(ResetDefaults(), go);
  ASSERT_TRUE(answer);
  Drawing chart = *OddsChart(*answer, {{{500, 510, 490}, Ending::Low}});
  chart.Box(100, 100, 40, 20, {{Look::Fill, "white"}});
  chart.Diamond(300, 200, 6, {{Look::Fill, "#000000"}, {Look::FillOpacity, "0.25"}});
  chart.Box(100, 100, 40, 20, {{Look::Fill, "none"}, {Look::Stroke, "black"}});
  const std::string svg = SvgOf(chart);
  const struct {
    WRect into;
    double scale, left, top;
  } sizes[] = {{{0, 0, 900, 620}, 1, 0, 0},
               {{10, 20, 450, 400}, 0.5, 10, 20 + (400 - 310) / 2.0},
               {{0, 0, 1800, 620}, 1, 450, 0}};
  for (const auto& size : sizes) {
    RecordingPainter painter;
    PaintDrawing(chart, painter, size.into);
    // The SVG writes tenths, the painter whole pixels: a pixel apart at most.
    const std::vector<PaintedShape> expected = ShapesOfSvg(svg, size.scale, size.left, size.top);
    ASSERT_EQ(painter.shapes.size(), expected.size()) << size.into.width;
    for (std::size_t k = 0; k < expected.size(); ++k) {
      ASSERT_EQ(painter.shapes[k].kind, expected[k].kind) << "shape " << k;
      ASSERT_EQ(painter.shapes[k].numbers.size(), expected[k].numbers.size()) << "shape " << k;
      for (std::size_t i = 0; i < expected[k].numbers.size(); ++i) {
        ASSERT_NEAR(painter.shapes[k].numbers[i], expected[k].numbers[i], 1.0)
            << "shape " << k << " at " << size.into.width;
      }
    }
    EXPECT_EQ(painter.clip.width, size.into.width) << "nothing is drawn outside the rectangle";
    EXPECT_EQ(painter.heights.front(), std::lround(15 * size.scale)) << "the title's size";
  }
  RecordingPainter painter;
  PaintDrawing(chart, painter, {0, 0, 900, 620});
  EXPECT_EQ(painter.fills[1], WRgb(0xc6, 0xdb, 0xef)) << "the outer band";
  EXPECT_EQ(painter.fills[painter.fills.size() - 3], WRgb(255, 255, 255));
  EXPECT_EQ(painter.fills[painter.fills.size() - 2], WRgb(191, 191, 191)) << "a quarter black over the white page";
  EXPECT_EQ(painter.text_colours.front(), WRgb(0, 0, 0)) << "a text is black unless it says";
  EXPECT_EQ(painter.fills.back(), std::nullopt) << "a box filled with none";
  EXPECT_EQ(painter.pen.colour, WRgb(0, 0, 0));
}

}  // namespace
