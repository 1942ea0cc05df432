#include "engine/clear_zone_entries.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/clear_zone.h"

namespace engine {
namespace {

TEST(ClearZoneEntries, SpeedItemsOfStoredSpeeds) {
  const std::vector<std::pair<int32_t, std::optional<int>>> cases = {
      {-5, 0}, {0, 0},  {60, 0},  {61, 1},  {70, 1},  {71, 2},          {80, 2},
      {90, 3}, {91, 4}, {100, 4}, {101, 5}, {110, 5}, {111, std::nullopt}, {INT32_MAX, std::nullopt}};
  for (const auto& [speed, item] : cases) EXPECT_EQ(SpeedItemFor(speed), item) << speed;
}

TEST(ClearZoneEntries, TrafficItemsOfStoredVolumes) {
  struct Case {
    int32_t aadt;
    int item;
    int32_t value;
  };
  const std::vector<Case> cases = {{-3, 0, 749},    {0, 0, 749},     {750, 0, 749},   {751, 1, 1499},
                                   {1449, 1, 1499}, {1500, 1, 1499}, {1501, 2, 5999}, {6000, 2, 5999},
                                   {6001, 3, 6001}, {6002, 3, 6001}};
  for (const Case& c : cases) {
    const AadtChoice choice = AadtChoiceFor(c.aadt);
    EXPECT_EQ(choice.item, c.item) << c.aadt;
    EXPECT_EQ(choice.value, c.value) << c.aadt;
    // The kept value lies in the same class as the item it selects.
    EXPECT_EQ(AadtClass(choice.value), AadtClass(ClearZoneAadtItems[static_cast<std::size_t>(c.item)]));
  }
}

TEST(ClearZoneEntries, TextsThatReadAsNumbers) {
  const std::vector<std::pair<std::string, std::optional<double>>> cases = {
      {"250", 250.0},      {"  250  ", 250.0}, {"99.5", 99.5},         {".5", 0.5},
      {"-5", -5.0},        {"+7", 7.0},        {"1e20", 1e20},         {"1E3", 1000.0},
      {"", std::nullopt},  {"   ", std::nullopt}, {"abc", std::nullopt}, {"12abc", std::nullopt},
      {"1,5", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt}, {"+-5", std::nullopt},
      {"1 2", std::nullopt}, {"-", std::nullopt},
      {"1e400", std::numeric_limits<double>::infinity()}, {"-1e400", -std::numeric_limits<double>::infinity()},
      {"1e400x", std::nullopt}, {"1e-400", 0.0}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadWholeText(text), value) << '"' << text << '"';
}

TEST(ClearZoneEntries, RadiusCheck) {
  const std::vector<std::pair<std::string, int32_t>> cases = {
      {"abc", 100},  {"", 100},      {"1000", 900}, {"99.5", 100}, {"1e20", 900}, {"900.4", 900},
      {"250.5", 250}, {"251.5", 252}, {" 300 ", 300}, {"-400", 100}, {"100", 100},  {"0", 100},
      {"1e400", 900}, {"-1e400", 100}, {std::string(400, '9'), 900}};
  for (const auto& [text, radius] : cases) EXPECT_EQ(CheckedRadius(text), radius) << '"' << text << '"';
}

TEST(ClearZoneEntries, BarrierCheck) {
  const std::vector<std::pair<std::string, int32_t>> cases = {
      {"-5", 0}, {"x", 0}, {"", 0}, {"3000", 3000}, {"9001", 9000}, {"1e20", 9000}, {"2.5", 2}, {"3.5", 4}};
  for (const auto& [text, distance] : cases)
    EXPECT_EQ(CheckedBarrierDistance(text, 9000), distance) << '"' << text << '"';
  // Six long segments pass 32 bits; the check caps at the 32-bit range.
  EXPECT_EQ(CheckedBarrierDistance("5000000000", 6LL * INT32_MAX), INT32_MAX);
}

TEST(ClearZoneEntries, TotalSlopeLengthCountsAllSixSegmentsIn64Bits) {
  DesignRecord design;
  for (std::size_t k = 1; k <= 6; ++k) design.SegLength[k] = INT32_MAX;
  design.SegLength[3] = 0;  // a gap does not end the sum
  EXPECT_EQ(TotalSlopeLength(design), 5LL * INT32_MAX);
}

TEST(ClearZoneEntries, InitialEntriesOfAStoredDesign) {
  DesignRecord design;
  design.SegLength[1] = 4000;
  SupportDesign support;
  support.RoadSpeed = 75;
  support.AADT = 751;
  support.CurvedRoad = 1;
  support.Curvature = 50;
  support.Barrier = 1;
  support.BarrierDistance = 7000;
  ClearZoneEntries entries = InitialClearZoneEntries(support, design);
  EXPECT_EQ(entries.RoadSpeed, 80);
  EXPECT_EQ(entries.AADT, 1499);
  EXPECT_EQ(entries.CurvedRoad, FlagTrue);
  EXPECT_EQ(entries.Curvature, 100);
  EXPECT_EQ(entries.Barrier, FlagTrue);
  EXPECT_EQ(entries.BarrierDistance, 4000);

  // Without the barrier tick the stored distance stays as it is.
  support.Barrier = 0;
  support.RoadSpeed = 120;
  entries = InitialClearZoneEntries(support, design);
  EXPECT_EQ(entries.BarrierDistance, 7000);
  EXPECT_EQ(entries.RoadSpeed, 0);
  const ClearZoneFigures figures = ComputeClearZoneFigures(design, entries);
  EXPECT_EQ(figures.LevelTerrain, 0);
  EXPECT_EQ(figures.ActualTerrain, 0);
}

TEST(ClearZoneEntries, FiguresUseTheBarrierOnlyWhenTicked) {
  DesignRecord design;
  design.SegLength[1] = 10000;
  design.SegDeltaHeight[1] = -2200;
  ClearZoneEntries entries{100, 6002, 0, 100, 0, 5000};
  EXPECT_EQ(ComputeClearZoneFigures(design, entries).ActualTerrain, 11600);
  entries.Barrier = FlagTrue;
  const ClearZoneFigures figures = ComputeClearZoneFigures(design, entries);
  EXPECT_EQ(figures.ActualTerrain, 5000);
  EXPECT_EQ(figures.LevelTerrain, 9000);
}

}  // namespace
}  // namespace engine

namespace engine {
namespace {

struct DisplayCase {
  const char* name;
  int32_t level, actual;
  bool has_design, barrier;
  std::optional<std::string> actual_text;
  std::string level_text;
  bool warning, sketch, bar;
};

TEST(ClearZoneEntries, WhatTheWindowShows) {
  const std::string level9 = "Clear zone for level terrain = 9m";
  const std::vector<DisplayCase> cases = {
      {"figures", 9000, 3000, true, true, "Clear zone for actual terrain = 3m", level9, false, true, true},
      {"no barrier", 9000, 3000, true, false, "Clear zone for actual terrain = 3m", level9, false, true, false},
      {"exactly 6 m", 9000, 6000, true, false, "Clear zone for actual terrain = 6m", level9, false, true, false},
      {"over 6 m", 9000, 6001, true, false, "Clear zone for actual terrain = 6.001m", level9, true, true, false},
      {"too complex", 9000, -2, true, true, kTooComplexText, level9, false, false, false},
      {"curve too sharp", -1, -1, true, true, kCurveTooSharpText, kCurveTooSharpText, false, false, false},
      // A kind without a design: no sketch, but the figure and warning follow.
      {"no design", 9000, 6660, false, true, "Clear zone for actual terrain = 6.66m", level9, true, false, false},
      {"other code", 9000, -520, true, false, std::nullopt, level9, false, false, false},
      {"no speed", 0, 0, true, false, "Clear zone for actual terrain = 0m", "Clear zone for level terrain = 0m",
       false, true, false},
  };
  for (const DisplayCase& c : cases) {
    const ClearZoneDisplay d = DescribeClearZone(c.level, c.actual, c.has_design, c.barrier);
    EXPECT_EQ(d.ActualText, c.actual_text) << c.name;
    EXPECT_EQ(d.LevelText, c.level_text) << c.name;
    EXPECT_EQ(d.Warning, c.warning) << c.name;
    EXPECT_EQ(d.Sketch, c.sketch) << c.name;
    EXPECT_EQ(d.BarrierBar, c.bar) << c.name;
  }
}

TEST(ClearZoneEntries, FiguresInMetres) {
  const std::vector<std::pair<int32_t, std::string>> cases = {
      {6660, "6.66m"}, {9000, "9m"},        {500, "0.5m"},   {3000, "3m"},
      {0, "0m"},       {6001, "6.001m"},    {4667, "4.667m"}, {-1, "-0.001m"},
      {11600, "11.6m"}, {2147483647, "2147483.647m"}};
  for (const auto& [mm, text] : cases) EXPECT_EQ(ClearZoneMetres(mm), text) << mm;
}

}  // namespace
}  // namespace engine
