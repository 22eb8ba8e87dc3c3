#include <gtest/gtest.h>

#include <cstdio>

#include "app/program_values.h"
#include "register/data_file.h"
#include "register/data_file_format.h"
#include "tests/fakes/fake_platform.h"
#include "tests/native/temp_folder.h"

namespace {

class DataFile : public ::testing::Test {
  protected:
    TempFolder folder;

    void SetUp() override {
        fake::Reset();
        ProgramFolder = folder.Path;
        Register = {};
        DirtyFlag = 0;
    }
};

const std::string TwoRecords = "Anna Muster\r\n5\r\n3\r\n1987\r\nBernd\r\n24\r\n12\r\n0\r\n";

TEST_F(DataFile, LoadReadsTheFileBesideTheProgramInFileOrder) {
    folder.Write("Festmelder.dat", "Zoe\r\n1\r\n2\r\n3\r\n" + TwoRecords);
    LoadRegister();
    EXPECT_EQ(DataFilePath, folder.Path + "Festmelder.dat");
    ASSERT_EQ(RecordCount(Register), 3u);
    EXPECT_EQ(Register.Records[0].Name, "Zoe");
    EXPECT_EQ(Register.Records[2].Name, "Bernd");
    EXPECT_EQ(DirtyFlag, 0);
}

TEST_F(DataFile, LoadLeavesTheRegisterEmptyWithoutAFile) {
    LoadRegister();
    EXPECT_EQ(RecordCount(Register), 0u);
    folder.Write("Festmelder.dat", "");
    LoadRegister();
    EXPECT_EQ(RecordCount(Register), 0u);
    std::remove((folder.Path + "Festmelder.dat").c_str());
    std::filesystem::create_directory(folder.Path + "Festmelder.dat");
    LoadRegister();
    EXPECT_EQ(RecordCount(Register), 0u);
}

TEST_F(DataFile, SaveWritesTheRegisterAndClearsTheFlag) {
    Register = ParseDataFile(TwoRecords);
    DirtyFlag = 1;
    EXPECT_EQ(SaveRegister(), 1);
    EXPECT_EQ(folder.Read("Festmelder.dat"), TwoRecords);
    EXPECT_FALSE(folder.Exists("Festmelder.dat.new"));
    EXPECT_EQ(DirtyFlag, 0);

    Register = {};
    DirtyFlag = 1;
    EXPECT_EQ(SaveRegister(), 1);
    EXPECT_EQ(folder.Read("Festmelder.dat"), "");
    LoadRegister();
    EXPECT_EQ(RecordCount(Register), 0u);
}

TEST_F(DataFile, SaveThenLoadGivesTheSameRegister) {
    folder.Write("Festmelder.dat", "J\xFCrgen \xDF\r\n31\r\n2\r\n-5\r\nAnna\r\n1\r\n1\r\n1999");
    LoadRegister();
    ASSERT_EQ(SaveRegister(), 1);
    std::string saved = folder.Read("Festmelder.dat");
    EXPECT_EQ(saved, "J\xFCrgen \xDF\r\n31\r\n2\r\n-5\r\nAnna\r\n1\r\n1\r\n1999\r\n");
    Register = {};
    LoadRegister();
    EXPECT_EQ(FormatDataFile(Register), saved);
}

TEST_F(DataFile, SaveIntoAMissingFolderFailsAndKeepsTheFlag) {
    ProgramFolder = folder.Path + "gone/";
    Register = ParseDataFile(TwoRecords);
    DirtyFlag = 1;
    EXPECT_EQ(SaveRegister(), 0);
    EXPECT_EQ(DirtyFlag, 1);
}

// Fails each file operation of a save in turn: whatever fails, the data file
// holds the old register or the new one, never a mix, and the answer and
// DirtyFlag say which.
TEST_F(DataFile, EveryFaultPointLeavesTheOldOrTheNewRegister) {
    std::string oldBytes = TwoRecords;
    BirthdayList newRegister;
    for (int i = 0; i < 6000; i++) // big enough for three blocks of writing
        AppendRecord(newRegister) = {"Person " + FormatNumber(i), 1, 2, 1990};
    std::string newBytes = FormatDataFile(newRegister);

    int points = 0, sound = 0;
    for (int point = 1;; point++) {
        folder.Write("Festmelder.dat", oldBytes);
        Register = newRegister;
        DirtyFlag = 1;
        fake::FailFileOperationAt(point);
        int answer = SaveRegister();
        if (fake::FileOperationCount() < point) break; // every point has been tried
        points++;
        std::string onDisk = folder.Read("Festmelder.dat");
        bool keptOld = answer == 0 && DirtyFlag == 1 && onDisk == oldBytes;
        bool wroteNew = answer == 1 && DirtyFlag == 0 && onDisk == newBytes;
        EXPECT_TRUE(keptOld || wroteNew) << "fault point " << point;
        EXPECT_FALSE(folder.Exists("Festmelder.dat.new")) << "fault point " << point;
        sound += keptOld || wroteNew;
    }
    EXPECT_GE(points, 7); // create, three writes, flush, close, move
    std::printf("%d of %d fault points leave the old or the new register\n", sound, points);
}

} // namespace
