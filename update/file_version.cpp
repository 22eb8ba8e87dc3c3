#include "update/file_version.h"

#include "platform/message_box.h"
#include "platform/version_info.h"

std::string FileVersionText(const std::string& path) {
    std::uint32_t mostSignificant = 0, leastSignificant = 0;
    switch (platform::QueryFileVersion(path, mostSignificant, leastSignificant)) {
    case platform::VersionQuery::Read:
        return FormatFileVersion(mostSignificant, leastSignificant);
    case platform::VersionQuery::LibraryMissing:
        platform::ShowMessage("Fehler", "Versionsprüfung fehlgeschlagen!",
                              platform::kButtonsOk | platform::kIconError);
        break;
    case platform::VersionQuery::NoVersion:
        break;
    }
    return "";
}
