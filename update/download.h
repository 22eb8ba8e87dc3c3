// Fetching one file over HTTP/1.1.
#pragma once

#include <string>

// Fetches the address with one GET request into the file, which is created
// only once the status and headers were accepted. Answers 1 when the whole
// body arrived; otherwise 0, and no file is left behind. Each wait lasts at
// most 10 seconds, the whole download at most 5 minutes.
int DownloadToFile(const std::string& url, const std::string& fileName);
