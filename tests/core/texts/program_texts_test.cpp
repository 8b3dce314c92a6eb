#include "core/texts/program_texts.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "temp_folder.h"

namespace tabloom {
namespace {

class ProgramTextsTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& content) {
        testing::WriteBytes(folder_.File("tbm.dat"), content);
        return folder_.File("tbm.dat");
    }
    testing::TempFolder folder_;
};

struct LoadCase {
    const char* name;
    std::string content;
    int result;
};

TEST_F(ProgramTextsTest, LoadResultCodes) {
    std::string thousandAndOne;
    for (int i = 1; i <= 1001; ++i) thousandAndOne += std::to_string(i) + "\tt\n";
    // clang-format off
    const LoadCase cases[] = {
        {"two texts", "1\tOne\n2\tTwo\n", 2},
        {"comments and blanks", "# c\n\n11\tTabloom\r\n", 1},
        {"empty", "", ProgramTexts::kEmptyFile},
        {"missing text at line 2", "1\tOne\n2\t\n", -502},
        {"no tab at line 3", "1\tOne\n#\n7 seven\n", -503},
        {"bad number", "x1\tOne\n", -501},
        {"duplicate at line 4", "1\ta\n2\tb\n\n1\tc\n", -1504},
        {"too long at line 2", "1\ta\n2\t" + std::string(1024, 'x') + "\n", -1002},
        {"longest allowed", "1\t" + std::string(1023, 'x') + "\n", 1},
        {"too many texts", thousandAndOne, ProgramTexts::kTooMuchText}};
    // clang-format on
    for (const auto& c : cases) {
        ProgramTexts texts;
        EXPECT_EQ(texts.Load(Write(c.content)), c.result) << c.name;
    }
}

TEST_F(ProgramTextsTest, MissingFileAndFolder) {
    ProgramTexts texts;
    EXPECT_EQ(texts.Load(folder_.File("none.dat")), ProgramTexts::kCannotOpen);
    // A folder where the file should be opens but cannot be read.
    const int folder = texts.Load(folder_.Path().string());
    EXPECT_TRUE(folder == ProgramTexts::kReadError || folder == ProgramTexts::kCannotOpen)
        << folder;
}

TEST_F(ProgramTextsTest, LookupLineBreaksAndAFailedReload) {
    ProgramTexts texts;
    ASSERT_EQ(texts.Load(Write("1\tFirst\\nSecond\n2\t~\n3\t~x\n4\ta\\\\n\n")), 4);
    EXPECT_EQ(texts.ProgramText(1) + "|" + texts.ProgramText(2) + "|" + texts.ProgramText(3) + "|" +
                  texts.ProgramText(4) + "|" + texts.ProgramText(99),
              "First\nSecond||~x|a\\n|");
    // A failed load forgets the earlier texts.
    EXPECT_LT(texts.Load(Write("1\tOne\n1\tAgain\n")), 0);
    EXPECT_EQ(texts.ProgramText(1), "");
}

TEST(ProgramTextFailureMessageTest, Messages) {
    const std::pair<int, const char*> cases[] = {
        {-1, "Cannot open file containing program text.\n/x/tbm.dat"},
        {-5, "Error -5"},
        {-501, "Missing string at line 1."},
        {-1000, "Missing string at line 500."},
        {-1001, "String too long at line 1."},
        {-1500, "String too long at line 500."},
        {-1501, "Duplicate in program text at line 1."}};
    for (const auto& [code, message] : cases) {
        EXPECT_EQ(ProgramTextFailureMessage(code, "/x/tbm.dat"), message) << code;
    }
}

TEST(ShippedTextsTest, EveryTextTheProgramAsksForIsThere) {
    const char* dir = std::getenv("TABLOOM_DATA_DIR");
    ASSERT_NE(dir, nullptr);
    ProgramTexts texts;
    ASSERT_GT(texts.Load(std::string(dir) + "/tbm.dat"), 0);
    for (int n : {1, 6, 8, 9, 10, 11, 13, 17, 19, 25, 26, 27, 28, 29}) {
        EXPECT_FALSE(texts.ProgramText(n).empty()) << n;
    }
    EXPECT_EQ(texts.ProgramText(11), "Tabloom");
}

}  // namespace
}  // namespace tabloom
