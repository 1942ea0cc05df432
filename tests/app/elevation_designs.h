#pragma once
// Designs that show each look of the design elevation, as design probe input
// (JSON), for the window tests and the manual screenshot tool. Each is stored
// with `design-probe --save FILE` and opened through File, Open.

#include <QByteArray>
#include <QString>
#include <vector>

namespace app_testing {

struct ElevationDesign {
    QString name;       // also the picture's file name
    QString key[3];     // job, section, sign position
    int viewedKind;     // 1..4, the support kind to look at
    QByteArray json;
};

inline QString ProbePath() { return QStringLiteral(KELVORA_BINARY_DIR "/tests/tools/design-probe"); }

inline const std::vector<ElevationDesign> &ElevationDesigns()
{
    static const std::vector<ElevationDesign> designs{
        {QStringLiteral("one-post-chs"), {"ELEV", "VIEWS", "CHS ONE"}, 1, R"({"CurrentDesign": {
            "JobCode": "ELEV", "JobSection": "VIEWS", "SignPos": "CHS ONE", "SignOnLeft": -1,
            "NumFrontSigns": 1, "SignCode": [null, "R1-1", null, null, null],
            "FrontSignWidth": [0, 750, 0, 0], "FrontSignDepth": [0, 750, 0, 0], "BkgndColour": [0, 5, 0, 0, 0],
            "RoadHeight": 1500, "DistFromKerb": 1000, "SegLength": [0, 1500, 3000, 0, 0, 0, 0],
            "SegDeltaHeight": [0, -200, 0, 0, 0, 0, 0], "WindRegion": 1, "SoilType": 3, "CollisionRisk": 1}})"},
        {QStringLiteral("two-post-rhs-slip-base"), {"ELEV", "VIEWS", "RHS SLOPE"}, 2, R"({"CurrentDesign": {
            "JobCode": "ELEV", "JobSection": "VIEWS", "SignPos": "RHS SLOPE", "SignOnLeft": -1,
            "NumFrontSigns": 1, "SignCode": [null, "G1-5", null, null, null],
            "FrontSignWidth": [0, 3600, 0, 0], "FrontSignDepth": [0, 1800, 0, 0], "BkgndColour": [0, 2, 0, 0, 0],
            "RoadHeight": 1800, "DistFromKerb": 1500, "SegLength": [0, 1000, 2500, 3000, 0, 0, 0],
            "SegDeltaHeight": [0, 300, -900, -300, 0, 0, 0], "WindRegion": 3, "ExposedLocation": 1,
            "SoilType": 2, "CollisionRisk": 2}})"},
        {QStringLiteral("truss"), {"ELEV", "VIEWS", "TRUSS"}, 3, R"({"CurrentDesign": {
            "JobCode": "ELEV", "JobSection": "VIEWS", "SignPos": "TRUSS", "SignOnLeft": -1,
            "NumFrontSigns": 1, "SignCode": [null, "G9-1", null, null, null],
            "FrontSignWidth": [0, 3600, 0, 0], "FrontSignDepth": [0, 1500, 0, 0], "BkgndColour": [0, 2, 0, 0, 0],
            "RoadHeight": 2000, "DistFromKerb": 2000, "SegLength": [0, 2000, 4000, 0, 0, 0, 0],
            "SegDeltaHeight": [0, -500, 0, 0, 0, 0, 0], "WindRegion": 1, "SoilType": 3, "CollisionRisk": 1}})"},
        {QStringLiteral("screw-footing"), {"ELEV", "VIEWS", "SCREW"}, 1, R"({"CurrentDesign": {
            "JobCode": "ELEV", "JobSection": "VIEWS", "SignPos": "SCREW", "SignOnLeft": -1,
            "NumFrontSigns": 1, "SignCode": [null, "W2-1", null, null, null],
            "FrontSignWidth": [0, 1800, 0, 0], "FrontSignDepth": [0, 1200, 0, 0], "BkgndColour": [0, 4, 0, 0, 0],
            "RoadHeight": 1500, "DistFromKerb": 1000, "SegLength": [0, 4000, 0, 0, 0, 0, 0],
            "SegDeltaHeight": [0, -400, 0, 0, 0, 0, 0], "WindRegion": 1, "SoilType": 3, "CollisionRisk": 1},
            "SupportDesigns": [null, {"FootingType": 2}, {"FootingType": 2}, {"FootingType": 2}, {"FootingType": 2}]})"},
        {QStringLiteral("sign-on-the-right"), {"ELEV", "VIEWS", "RIGHT"}, 1, R"({"CurrentDesign": {
            "JobCode": "ELEV", "JobSection": "VIEWS", "SignPos": "RIGHT", "SignOnLeft": 0,
            "NumFrontSigns": 2, "SignCode": [null, "G1-1", "G6-2", null, "G1-1B"],
            "FrontSignWidth": [0, 2400, 1800, 0], "FrontSignDepth": [0, 1200, 600, 0],
            "FrontSignClearance": [0, 0, 100, 0], "BkgndColour": [0, 2, 1, 0, 4],
            "NumBackSigns": 1, "BackSignWidth": 2000, "BackSignDepth": 900,
            "RoadHeight": 1500, "DistFromKerb": 1000, "SegLength": [0, 2000, 3000, 0, 0, 0, 0],
            "SegDeltaHeight": [0, -500, 0, 0, 0, 0, 0], "WindRegion": 1, "SoilType": 3, "CollisionRisk": 1}})"},
    };
    return designs;
}

} // namespace app_testing
