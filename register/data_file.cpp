#include "register/data_file.h"

#include <algorithm>

#include "common/program_values.h"
#include "common/window_numbers.h"
#include "platform/files.h"
#include "platform/gadgets.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "register/data_file_format.h"

BirthdayList Register;
std::string DataFilePath;
int DirtyFlag = 0;

void RefreshRegisterList() { platform::SetListLines(RegisterList, RegisterLines(Register)); }

static void BuildDataFilePath() { DataFilePath = ProgramFolder + "Festmelder.dat"; }

int LoadRegister() {
    BuildDataFilePath();
    // At log-on a backup, sync or virus-scanning program may hold the file for
    // a moment, or its network drive may not be ready yet; starting empty then
    // would let the next save replace it all.
    constexpr int kReadTries = 20;
    constexpr unsigned kPauseBetweenTries = 250;
    std::int64_t size = platform::kCannotLook;
    std::string bytes;
    for (int tries = 1;; ++tries) {
        if (size == platform::kCannotLook) size = platform::FileSize(DataFilePath);
        if (size != platform::kCannotLook && size <= 0) return 1; // missing, a folder or empty
        if (size > 0 && platform::ReadWholeFile(DataFilePath, bytes)) break;
        if (tries == kReadTries) return 0;
        platform::PauseMilliseconds(kPauseBetweenTries);
    }
    Register = ParseDataFile(bytes);
    RefreshRegisterList();
    return 1;
}

int WriteNewFile(const std::string& path, const std::string& bytes) {
    platform::File* file = platform::CreateFileForWriting(path);
    if (!file) return 0;
    int written = 1;
    constexpr std::size_t kBlockSize = 65536;
    for (std::size_t at = 0; written && at < bytes.size(); at += kBlockSize)
        written =
            platform::WriteToFile(file, bytes.data() + at, std::min(kBlockSize, bytes.size() - at));
    written = written && platform::FlushFile(file);
    return platform::CloseFile(file) && written;
}

int SaveRegister() {
    BuildDataFilePath();
    std::string newFile = DataFilePath + ".new";
    if (!WriteNewFile(newFile, FormatDataFile(Register)) ||
        !platform::MoveFileOver(newFile, DataFilePath)) {
        platform::RemoveFile(newFile);
        platform::ShowMessage("Fehler", "Die Daten konnten nicht gespeichert werden!",
                              platform::kButtonsOk | platform::kIconError);
        return 0;
    }
    DirtyFlag = 0;
    return 1;
}
