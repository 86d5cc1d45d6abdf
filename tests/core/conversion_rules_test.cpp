// Conversion rules checked through documents built in code: picture numbers the file reader
// would refuse, documents left untouched, and playback of random scenes compared with the
// timeline they came from.

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scene/builders.h"
#include "scene/conversion.h"
#include "scene/document.h"
#include "json/js_json.h"

namespace {

using namespace vignetta;
using namespace vignetta::scene;

void ensureLane(Document &doc, int laneId)
{
    while (doc.getLastLaneId() < laneId)
        ASSERT_TRUE(doc.appendLane(createEmptyLane(doc)));
}

void addPicture(Document &doc, int laneId, int number, const std::string &name, int start,
                int delay, double x0 = 0, double x1 = 0)
{
    ensureLane(doc, laneId);
    Block b = createEmptyBlockOfMode(doc, mode_picture);
    b.setStart(start);
    b.setDelay(delay);
    b.setField("imageIndex", number);
    b.setField("imageName", name);
    b.setField("startPosition.x", x0);
    b.setField("endPosition.x", x1);
    ASSERT_TRUE(doc.appendBlock(b, laneId));
}

void addMarker(Document &doc, int start, const std::string &text)
{
    Block b = createEmptyBlockOfMode(doc, mode_comment);
    b.setStart(start);
    b.setField("comment", text);
    ASSERT_TRUE(doc.appendBlock(b, 0));
}

// The picture commands as "code:number" or "code:number:name" for shows, waits as "230:w".
std::vector<std::string> pictureTrace(const Json &commands)
{
    std::vector<std::string> trace;
    for (const Json &c : commands) {
        const int code = c["code"].get<int>();
        const Json &p = c["parameters"];
        if (code == 231)
            trace.push_back("231:" + json::stringify(p[0]) + ":" + p[1].get<std::string>());
        else if (code == 235 || code == 230)
            trace.push_back(std::to_string(code) + ":" + json::stringify(p[0]));
    }
    return trace;
}

TEST(ConversionDocument, EmptySceneGivesNoCommandsAndDocumentIsLeftAlone)
{
    Document doc = Document::emptyScene();
    EXPECT_EQ(json::stringify(convertData2Event(doc)), "[]");

    addPicture(doc, 1, 1, "a", 0, 60, 0, 90);
    addPicture(doc, 2, 1, "b", 20, 10);
    addMarker(doc, 30, "m");
    const Document before = doc;
    const std::string first = json::stringify(convertData2Event(doc));
    EXPECT_EQ(doc, before);
    EXPECT_EQ(json::stringify(convertData2Event(doc)), first);
}

TEST(ConversionDocument, ListsPastTheBoundAreRefusedAndStopEarly)
{
    Document doc = Document::emptyScene();
    addPicture(doc, 1, 1, "a", 0, 60, 0, 90);
    addMarker(doc, 30, "m");
    const std::string whole = json::stringify(convertData2Event(doc));

    // Both forms give the same list, and say how long its text is.
    const auto text = convertScene(doc, ConversionOutput::text);
    ASSERT_TRUE(text.ok) << text.error;
    EXPECT_EQ(text.text, whole);
    EXPECT_EQ(text.bytes, whole.size());
    const auto list = convertScene(doc, ConversionOutput::list);
    ASSERT_TRUE(list.ok);
    EXPECT_EQ(json::stringify(list.commands), whole);
    EXPECT_TRUE(convertScene(doc, ConversionOutput::text, whole.size()).ok);

    for (const ConversionOutput what : {ConversionOutput::text, ConversionOutput::list}) {
        const auto refused = convertScene(doc, what, whole.size() - 1);
        EXPECT_FALSE(refused.ok);
        EXPECT_TRUE(refused.text.empty());
        EXPECT_TRUE(refused.commands.is_null() || refused.commands.empty());
        EXPECT_NE(refused.error.find("would take more than"), std::string::npos);
    }

    // A message of a million empty lines is two bytes a line in a scene file and some forty in
    // the list: the conversion stops at the bound instead of building all of it.
    Block message = createEmptyBlockOfMode(doc, mode_message);
    message.setStart(100);
    message.setField("messageText", std::string(1000000, '\n'));
    ASSERT_TRUE(doc.appendBlock(message, 1));
    const auto huge = convertScene(doc, ConversionOutput::text, 1 << 20);
    EXPECT_FALSE(huge.ok);
    EXPECT_NE(huge.error.find("1 MB"), std::string::npos) << huge.error;
}

TEST(ConversionPictures, NumbersBeyondTheEditorRangeAreGroupedAndCut)
{
    // A document can carry numbers above 100 (written through the API); they must neither be
    // dropped nor escape the higher-lane rule.
    Document doc = Document::emptyScene();
    addPicture(doc, 1, 150, "low", 0, 100);
    addPicture(doc, 2, 150, "high", 40, 20);
    addPicture(doc, 3, 101, "other", 0, 20);
    const std::vector<std::string> expected = {
        "231:150:low",  "231:101:other", "230:20",  "235:101",     "230:20", "235:150",
        "231:150:high", "230:20",        "235:150", "231:150:low", "230:40", "235:150"};
    EXPECT_EQ(pictureTrace(convertData2Event(doc)), expected);
}

TEST(ConversionPictures, HighestLaneWinsAcrossThreeLanes)
{
    Document doc = Document::emptyScene();
    addPicture(doc, 1, 4, "one", 0, 100, 0, 300);
    addPicture(doc, 2, 4, "two", 20, 60, 0, 600);
    addPicture(doc, 3, 4, "three", 40, 20);
    const Json commands = convertData2Event(doc);
    const std::vector<std::string> expected = {"231:4:one", "230:20",    "235:4",       "231:4:two",
                                               "230:20",    "235:4",     "231:4:three", "230:20",
                                               "235:4",     "231:4:two", "230:20",      "235:4",
                                               "231:4:one", "230:20",    "235:4"};
    EXPECT_EQ(pictureTrace(commands), expected);

    // Lane 2's block resumes at frame 60, two thirds along its motion; lane 1's at frame 80,
    // 80% along.
    std::vector<double> resumedX;
    for (const Json &c : commands) {
        if (c["code"] == 231)
            resumedX.push_back(c["parameters"][4].get<double>());
    }
    ASSERT_EQ(resumedX.size(), 5u);
    EXPECT_DOUBLE_EQ(resumedX[3], 400);
    EXPECT_DOUBLE_EQ(resumedX[4], 240);
}

// Random scenes in the shape the editor makes (no overlaps within a lane), played back command
// by command: at every frame each picture number must show the image of the highest-lane block
// of that number covering the frame, and each move must reach that block's position at its end.
TEST(ConversionPictures, PlaybackFollowsTheTimelineInRandomScenes)
{
    std::mt19937 random(20261206);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Document doc = Document::emptyScene();
        struct Placed
        {
            int lane, number, start, end;
            double x0, x1;
            std::string name;
        };
        std::vector<Placed> placed;
        const int lanes = 1 + static_cast<int>(random() % 6);
        for (int lane = 1; lane <= lanes; ++lane) {
            int frame = static_cast<int>(random() % 40);
            const int count = static_cast<int>(random() % 8);
            for (int i = 0; i < count; ++i) {
                const int number = 1 + static_cast<int>(random() % 3);
                const int delay = 1 + static_cast<int>(random() % 90);
                const double x0 = static_cast<int>(random() % 2000) - 1000;
                const double x1 = static_cast<int>(random() % 2000) - 1000;
                const std::string name = "p" + std::to_string(placed.size());
                addPicture(doc, lane, number, name, frame, delay, x0, x1);
                placed.push_back({lane, number, frame, frame + delay, x0, x1, name});
                frame += delay + static_cast<int>(random() % 3) * static_cast<int>(random() % 30);
            }
        }
        for (int i = static_cast<int>(random() % 5); i > 0; --i)
            addMarker(doc, static_cast<int>(random() % 400), "m");

        auto winner = [&placed](int number, int frame) -> const Placed * {
            const Placed *best = nullptr;
            for (const Placed &p : placed) {
                if (p.number == number && p.start <= frame && frame < p.end &&
                    (!best || p.lane > best->lane))
                    best = &p;
            }
            return best;
        };

        // name shown per number and frame, filled from the command stream
        std::map<int, std::map<int, std::string>> shown;
        std::map<int, std::pair<int, std::string>> open; // number -> (since, name)
        std::map<int, int> moved;                        // number -> frames covered by moves
        int clock = 0;
        for (const Json &c : convertData2Event(doc)) {
            const int code = c["code"].get<int>();
            const Json &p = c["parameters"];
            if (code == 230) {
                ASSERT_GE(p[0].get<int>(), 1);
                ASSERT_LE(p[0].get<int>(), 999);
                clock += p[0].get<int>();
            } else if (code == 231) {
                const int n = p[0].get<int>();
                ASSERT_EQ(open.count(n), 0u) << "shown twice at " << clock;
                open[n] = {clock, p[1].get<std::string>()};
            } else if (code == 235) {
                const int n = p[0].get<int>();
                ASSERT_EQ(open.count(n), 1u) << "erased while hidden at " << clock;
                for (int f = open[n].first; f < clock; ++f)
                    shown[n][f] = open[n].second;
                open.erase(n);
            } else if (code == 232) {
                const int n = p[0].get<int>();
                const int length = p[10].get<int>();
                ASSERT_EQ(open.count(n), 1u) << "moved while hidden at " << clock;
                const Placed *w = winner(n, clock);
                ASSERT_NE(w, nullptr);
                ASSERT_EQ(w->name, open[n].second) << "at " << clock;
                ASSERT_LE(clock + length, w->end);
                const double ratio = double(clock + length - w->start) / (w->end - w->start);
                EXPECT_NEAR(p[4].get<double>(), w->x0 + (w->x1 - w->x0) * ratio, 1e-9);
                moved[n] += length;
            }
        }
        EXPECT_TRUE(open.empty()) << "pictures left on screen";
        int lastFrame = 0;
        for (const Placed &p : placed)
            lastFrame = std::max(lastFrame, p.end);
        for (int n = 1; n <= 3; ++n) {
            int covered = 0;
            for (int f = 0; f <= lastFrame; ++f) {
                const Placed *w = winner(n, f);
                const auto it = shown[n].find(f);
                const std::string got = it == shown[n].end() ? "" : it->second;
                ASSERT_EQ(got, w ? w->name : "") << "number " << n << " frame " << f;
                covered += w ? 1 : 0;
            }
            EXPECT_EQ(moved[n], covered) << "number " << n;
        }
    }
}

} // namespace
