#pragma once
// The two records every part of the program works on: DesignRecord, the input
// of one sign design, and SupportDesign, the result of designing one support
// kind. Fields are in their fixed order. Arrays by sign slot, segment or post
// start at element 0, which is present and never used (Spacing excepted, whose
// elements 0 to 2 are three candidates).
//
// Integer types: flags, counts, codes and list indexes are 16-bit (flags -1/0).
// Millimetre values are 32-bit, also those the stored format keeps in 16 bits
// (MaximumClearance, MinimumClearance, Overhang, StiffenerSpacing), so nothing
// is narrowed silently here; code that needs 16-bit arithmetic narrows
// explicitly (engine/values.h).

#include <array>
#include <cstdint>
#include <string>

#include "engine/values.h"

namespace engine {

// Support kinds, the index of SupportDesigns.
enum SupportType : int16_t {
  SupportChs = 1,
  SupportRhs = 2,
  SupportTruss = 3,
  SupportStrut = 4,
};

// Sign slots: 1 to 3 front panels from the bottom, 4 the back panel.
inline constexpr int kBackSlot = 4;

struct DesignRecord {
  FixedText<15> JobCode;                          // 1  key part 1
  FixedText<15> JobSection;                       // 2  key part 2
  FixedText<15> SignPos;                          // 3  key part 3
  std::array<FixedText<10>, 5> SignCode{};        // 4  slots 1..4
  int32_t RoadHeight = 0;                         // 5  mm, datum above road edge
  std::array<int32_t, 4> FrontSignWidth{};        // 6  slots 1..3
  std::array<int32_t, 4> FrontSignDepth{};        // 7  slots 1..3
  std::array<int32_t, 4> FrontSignClearance{};    // 8  slots 1..3
  int16_t NumFrontSigns = 0;                      // 9  0..3
  int32_t BackSignWidth = 0;                      // 10
  int32_t BackSignDepth = 0;                      // 11
  int32_t BackSignClearance = 0;                  // 12
  int16_t NumBackSigns = 0;                       // 13 0..1
  int32_t RPSegLength = 0;                        // 14 reference point
  int32_t RPSegDeltaHeight = 0;                   // 15
  int32_t RPReducedLevel = 0;                     // 16
  int16_t SignOnLeft = 0;                         // 17 flag
  int32_t DistFromKerb = 0;                       // 18 mm
  std::array<int32_t, 7> SegLength{};             // 19 segments 1..6
  std::array<int32_t, 7> SegDeltaHeight{};        // 20
  std::array<int32_t, 7> SegBackLength{};         // 21
  std::array<int32_t, 7> SegBackHeight{};         // 22
  int16_t SupportStruts = 0;                      // 23 flag
  int16_t WindRegion = 0;                         // 24 1..4 (A..D)
  int16_t ExposedLocation = 0;                    // 25 0/1
  int16_t CollisionRisk = 0;                      // 26 1 rigid, 2 slip base
  int16_t SoilType = 0;                           // 27 1..4
  std::array<int16_t, 5> LegendClass{};           // 28 slots 1..4
  std::array<int16_t, 5> LegendColour{};          // 29
  std::array<int16_t, 5> BkgndClass{};            // 30
  std::array<int16_t, 5> BkgndColour{};           // 31
  int32_t MaximumClearance = 0;                   // 32 mm, set by the design run
  int32_t MinimumClearance = 0;                   // 33 mm, set by the design run
  std::string Notes;                              // 34

  bool operator==(const DesignRecord&) const = default;
};

struct SupportDesign {
  int16_t NumPosts = 0;                           // 1
  int16_t PNO = 0;                                // 2  extra posts
  int16_t AOP = 0;                                // 3
  int32_t PostSpacing = 0;                        // 4  mm
  int32_t SpacingType = 0;                        // 5  0 standard, 1 variable
  std::array<int32_t, 3> Spacing{};               // 6  0 standard, 1 chosen, 2 wide
  std::array<int32_t, 5> PostLength{};            // 7  posts 1..4
  std::array<int32_t, 5> PostClearance{};         // 8  posts 1..4
  int32_t StubLength = 0;                         // 9
  FixedText<12> PostDimensions;                   // 10 "X" = none
  FixedText<8> PostWallThickness;                 // 11
  FixedText<10> PostMatGrade;                     // 12
  int16_t SlipBaseReq = 0;                        // 13 flag
  int16_t FootingType = 0;                        // 14 1 normal, 2 screw
  FixedText<8> NormFootingDim;                    // 15
  int32_t NormFootingDep = 0;                     // 16
  int32_t ScrewFootingDim = 0;                    // 17
  int32_t ScrewFootingDep = 0;                    // 18
  int16_t StiffenerType = 0;                      // 19 1 or 2
  int32_t Overhang = 0;                           // 20
  int16_t NumStruts = 0;                          // 21
  int32_t StrutSpacing = 0;                       // 22
  int16_t NumSpreaderPlates = 0;                  // 23
  std::array<int16_t, 5> NumBrackets{};           // 24 slots 1..4
  std::array<int16_t, 5> NumStiffeners{};         // 25 slots 1..4
  std::array<int32_t, 5> StiffenerSpacing{};      // 26 slots 1..4, mm
  int16_t NoResultCode = 0;                       // 27 DesignResultCode
  int16_t WarningCode = 0;                        // 28 DesignWarningBits
  std::array<int32_t, 5> StrutPost{};             // 29 posts 1..4
  std::array<int32_t, 5> StrutStub{};             // 30 posts 1..4
  int32_t CurvedRoad = 0;                         // 31 flag
  int32_t Curvature = 0;                          // 32 m
  int32_t RoadSpeed = 0;                          // 33 km/h
  int32_t Barrier = 0;                            // 34 flag
  int32_t BarrierDistance = 0;                    // 35 mm
  int32_t AADT = 0;                               // 36

  bool operator==(const SupportDesign&) const = default;
};

// SupportDesigns and its working copies: elements 1..4 by SupportType.
using SupportDesignArray = std::array<SupportDesign, 5>;

}  // namespace engine
